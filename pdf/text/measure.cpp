#include "pdf/text/measure.hpp"

#include <algorithm>
#include <cstdint>

#include "pdf/text/utf8.hpp"

namespace folivo::text {

// The sum of the widths of single-byte codes, four codes a round in separate sums so that the
// additions do not wait on one another.
int64_t TextMeasure::SingleByteWidths(std::string_view text) const {
    const fonts::WidthTable& widths = *widths_;
    const auto* codes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    uint64_t sums[4] = {0, 0, 0, 0};
    size_t i = 0;
    for (; i + 4 <= size; i += 4) {
        sums[0] += widths[codes[i]];
        sums[1] += widths[codes[i + 1]];
        sums[2] += widths[codes[i + 2]];
        sums[3] += widths[codes[i + 3]];
    }
    uint64_t total = sums[0] + sums[1] + sums[2] + sums[3];
    for (; i < size; ++i) total += widths[codes[i]];
    return static_cast<int64_t>(total);
}

float TextMeasure::Length(std::string_view text) const {
    int64_t glyphs = 0;
    int32_t spaces = 0;
    size_t characters = 0;
    if (cid_ != nullptr) {
        for (size_t pos = 0; pos < text.size(); ++characters) {
            const char32_t c = NextUtf8Char(text, pos);
            glyphs += cid_->Width(c);
            if (c == U' ') ++spaces;
        }
    } else {
        glyphs = SingleByteWidths(text);
        // Spaces count only with word spacing: at 0 the product is that zero, whatever the count.
        if (state_.wordSpacing != 0) spaces = static_cast<int32_t>(std::count(text.begin(), text.end(), ' '));
        characters = text.size();
    }
    const auto count = static_cast<float>(characters);
    const float points = static_cast<float>(glyphs) * state_.fontSize / 1000.0f +
                         static_cast<float>(spaces) * state_.wordSpacing + count * state_.charSpacing;
    return points * state_.horizontalScaling / 100.0f / state_.scaleFactor;
}

TextMeasure TextMeasure::AtFullScale() const {
    SpacingState full = state_;
    full.horizontalScaling = 100;
    return TextMeasure(*widths_, full, cid_);
}

}  // namespace folivo::text
