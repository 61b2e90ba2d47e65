#pragma once
// The PDF texts derived from a TrueType font's metrics: its base font name, the entries of its font
// descriptor and the lines its font dictionary adds to those of a standard font.

#include <cstdint>
#include <string>
#include <vector>

#include "pdf/truetype/truetype_font.hpp"

namespace folivo::truetype {

// Flag bits of a font descriptor.
inline constexpr int32_t kFlagFixedPitch = 1;
inline constexpr int32_t kFlagSymbolic = 4;
inline constexpr int32_t kFlagNonSymbolic = 32;
inline constexpr int32_t kFlagItalic = 64;

// The full name plus ",Bold" above weight 500, ",Italic" for a slanted font, ",BoldItalic" for both.
std::string BaseFontName(const TrueTypeFont& font);

int32_t DescriptorFlags(const TrueTypeFont& font);

// "/Flags .. /FontBBox [..] /MissingWidth .. /StemV .. /ItalicAngle .. /CapHeight .. /XHeight ..
// /Ascent .. /Descent .. /MaxWidth .. /AvgWidth ..", the angle already formatted by the caller.
std::string DescriptorText(const TrueTypeFont& font, const std::string& italicAngle);

// The end of the font dictionary, one line with carriage returns inside: "/FontDescriptor n 0 R",
// "/Widths [" and the 256 widths, each followed by a blank and 16 to a row, then "]",
// "/ToUnicode n 0 R" when toUnicodeObj is not 0, and ">>".
std::string DictionaryEnd(int32_t descriptorObj, const fonts::WidthTable& widths, int32_t toUnicodeObj = 0);

}  // namespace folivo::truetype
