#pragma once
// The character map of a TrueType font: which glyph draws each single-byte character code.

#include <array>
#include <cstdint>
#include <optional>

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

}  // namespace folivo::truetype
