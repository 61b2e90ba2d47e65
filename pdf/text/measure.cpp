#include "pdf/text/measure.hpp"

#include <cstdint>

namespace folivo::text {

float TextMeasure::Length(std::string_view text) const {
    int64_t glyphs = 0;
    int32_t spaces = 0;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        glyphs += (*widths_)[code];
        if (code == ' ') ++spaces;
    }
    const auto count = static_cast<float>(text.size());
    const float points = static_cast<float>(glyphs) * state_.fontSize / 1000.0f +
                         static_cast<float>(spaces) * state_.wordSpacing + count * state_.charSpacing;
    return points * state_.horizontalScaling / 100.0f / state_.scaleFactor;
}

TextMeasure TextMeasure::AtFullScale() const {
    SpacingState full = state_;
    full.horizontalScaling = 100;
    return TextMeasure(*widths_, full);
}

}  // namespace folivo::text
