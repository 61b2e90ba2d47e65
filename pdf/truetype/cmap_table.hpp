#pragma once
// A 'cmap' table written for a subset font: one Microsoft subtable in format 4.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace folivo::truetype {

// Character (U+0000..U+FFFF) and the glyph that draws it.
using CharGlyph = std::pair<char32_t, uint16_t>;

// The table with the characters mapped as given (symbol: the Microsoft symbol encoding, else Unicode
// BMP); each run of characters whose glyphs follow each other becomes one segment. Characters above
// U+FFFE are left out.
std::string CharMapTable(std::vector<CharGlyph> chars, bool symbol);

}  // namespace folivo::truetype
