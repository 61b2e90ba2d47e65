#pragma once
// Width of a text in a font: a table look-up per character, then the spacing and scaling settings.

#include <string_view>

#include "pdf/fonts/cid_glyphs.hpp"
#include "pdf/fonts/core_metrics.hpp"

namespace folivo::text {

// The settings that change how wide a text is set.
struct SpacingState {
    float fontSize = 0;            // points
    float charSpacing = 0;         // points, added after every character
    float wordSpacing = 0;         // points, added after every space (code 32)
    float horizontalScaling = 100; // percent
    float scaleFactor = 1;         // points per user unit
};

class TextMeasure {
public:
    // `cid`: the glyphs of a Type 0 font, whose text is UTF-8; null for a single-byte font.
    TextMeasure(const fonts::WidthTable& widths, const SpacingState& state, const fonts::CidGlyphs* cid = nullptr)
        : widths_(&widths), cid_(cid), state_(state) {}

    // Width in user units: each character measured by its single-byte code, or for a Type 0 font by
    // its glyph (character spacing then counts characters, not bytes).
    float Length(std::string_view text) const;

    // The same measure with the horizontal scaling at 100 (used when a line is shrunk or fitted).
    TextMeasure AtFullScale() const;

    const SpacingState& state() const { return state_; }

private:
    int64_t SingleByteWidths(std::string_view text) const;

    const fonts::WidthTable* widths_;
    const fonts::CidGlyphs* cid_;
    SpacingState state_;
};

}  // namespace folivo::text
