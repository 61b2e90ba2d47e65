#pragma once
// The character map of a TrueType font: which glyph draws each single-byte character code, or
// each Unicode character.

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "pdf/fonts/to_unicode.hpp"
#include "pdf/truetype/byte_reader.hpp"

namespace folivo::truetype {

// The code page whose characters the single-byte text codes stand for.
enum class CodePage { kWindows1252, kMacRoman };

using GlyphTable = std::array<uint16_t, 256>;  // glyph index by code; 0 (the missing glyph) when unmapped

// A format 4 subtable of 'cmap'.
struct CharMapSubtable {
    uint64_t offset = 0;  // from the start of the file
    bool symbol = false;  // Microsoft symbol encoding: codes live at U+F020..U+F0FF
};

// Picks the subtable to use: Microsoft Unicode, then Microsoft symbol, then a Unicode-platform one,
// each in format 4. Nothing when the font has none of them.
std::optional<CharMapSubtable> FindCharMap(const ByteReader& reader, uint64_t cmapOffset);

// The glyph of each code. A Unicode map is searched for the character each byte stands for in the
// code page; a symbol map for the code modulo 4096 (U+F041 draws code 0x41).
GlyphTable MapCodes(const ByteReader& reader, const CharMapSubtable& subtable, CodePage codePage);

// The character each code of the code page stands for in text; control codes (below 0x20 and
// 0x7F) and the bytes Windows-1252 leaves unassigned give 0.
fonts::CodeChars TextChars(CodePage codePage);

// The character a viewer looks a code up by in the 'cmap' of an embedded simple font: U+F000 + code
// for a symbol map, else the character the PDF encoding names. PDF's MacRomanEncoding names 0xDB
// "currency" (U+00A4), where Apple's mapping, by which the glyph was chosen, has the euro sign.
char32_t LookupChar(unsigned char code, CodePage codePage, bool symbol);

// Every character the font maps, with its glyph: from a format 12 subtable (Microsoft UCS-4 or
// Unicode platform) when there is one, else from the format 4 subtable FindCharMap picks; a symbol
// map's U+F020..U+F0FF also answer for U+0020..U+00FF. Glyphs past `glyphCount` are left out.
std::unordered_map<char32_t, uint16_t> UnicodeGlyphs(const ByteReader& reader, uint64_t cmapOffset,
                                                      uint16_t glyphCount);

}  // namespace folivo::truetype
