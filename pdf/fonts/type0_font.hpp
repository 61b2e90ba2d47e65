#pragma once
// The PDF texts of a Type 0 font over an embedded TrueType file: the font dictionary (Identity-H
// encoding), its CIDFontType2 descendant with the widths of the codes drawn, and the string
// operators that show UTF-8 text with the font's two-byte codes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/fonts/cid_glyphs.hpp"

namespace folivo::fonts {

// AddFont's Encoding that makes a Type 0 font.
inline constexpr int32_t kUnicodeEncoding = 2;

// "<< /Type /Font /Subtype /Type0 ... >>" naming the descendant and the /ToUnicode map by number.
std::string Type0Dictionary(std::string_view resourceName, std::string_view baseFontName, int32_t descendantObj,
                            int32_t toUnicodeObj);

// The CIDFontType2 dictionary: /CIDSystemInfo Adobe-Identity-0, /W with the width of every code
// from 0 in one run, and `cidToGidMap` ("/Identity" or "n 0 R").
std::string CidFontDictionary(std::string_view baseFontName, int32_t descriptorObj,
                              const std::vector<uint16_t>& widths, const std::string& cidToGidMap);

// The text as a string operator: "(...) Tj" with two bytes a character, or, when spaces take an
// adjustment (word spacing, which PDF applies to the one-byte code 32 only), "[(...) adj (...)] TJ" with `spaceAdjust` thousandths
// of the font size after each space. Codes are given to new glyphs as they come.
struct CidShow {
    std::string text;
    char32_t missing = 0;  // a character the font has no glyph for, 0 when there is none
};
CidShow ShowCidText(CidGlyphs& glyphs, std::string_view utf8, float spaceAdjust);

}  // namespace folivo::fonts
