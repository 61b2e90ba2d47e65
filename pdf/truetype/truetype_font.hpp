#pragma once
// The metrics of a TrueType font that a PDF font dictionary and descriptor need, read from the
// file's bytes and converted to thousandths of the em.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "pdf/fonts/cid_glyphs.hpp"
#include "pdf/fonts/core_metrics.hpp"
#include "pdf/truetype/char_map.hpp"

namespace folivo::truetype {

struct TrueTypeFont {
    std::string fullName;                // name ID 4, spaces dropped
    std::array<int32_t, 4> bbox{};       // xMin, yMin, xMax, yMax
    int32_t ascent = 0;                  // OS/2 usWinAscent
    int32_t descent = 0;                 // OS/2 usWinDescent, negated
    int32_t avgWidth = 0;                // OS/2 xAvgCharWidth
    int32_t maxWidth = 0;                // hhea advanceWidthMax
    int32_t missingWidth = 0;            // advance of glyph 0
    uint16_t weightClass = 400;          // OS/2 usWeightClass
    float italicAngle = 0;               // degrees, two decimals
    bool fixedPitch = false;             // post isFixedPitch
    bool symbolic = false;               // the character map is the Microsoft symbol one
    fonts::WidthTable widths{};          // advance of each code's glyph
    GlyphTable glyphs{};                 // glyph of each code
};

// Reads the font; throws folivo::Error when the file is damaged (a table missing or lying past the
// end, a zero em size). Fonts without an OS/2 table take ascent and descent from hhea; fonts without
// a usable character map measure every code with the missing glyph's width. Widths are those of the
// characters the codes stand for in `codePage`.
TrueTypeFont ReadTrueType(std::string_view bytes, CodePage codePage = CodePage::kWindows1252);

// Every character the font maps (cmap format 4 or 12) and the width of each glyph, in thousandths,
// for drawing UTF-8 text through a Type 0 font. Throws folivo::Error when the file is damaged.
fonts::CidGlyphs ReadCidGlyphs(std::string_view bytes);

}  // namespace folivo::truetype
