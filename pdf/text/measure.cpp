#include "pdf/text/measure.hpp"

#include <cstdint>

#include "pdf/text/utf8.hpp"

namespace folivo::text {

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
        for (char c : text) {
            const auto code = static_cast<unsigned char>(c);
            glyphs += (*widths_)[code];
            if (code == ' ') ++spaces;
        }
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
