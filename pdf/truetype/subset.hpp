#pragma once
// A subset of a TrueType font for embedding: the glyphs a document drew, numbered afresh from 0
// (the missing glyph) in the order given, the components of composite glyphs after them, and only
// the tables a PDF viewer reads from an embedded font.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/truetype/cmap_table.hpp"

namespace folivo::truetype {

struct SubsetRequest {
    // The font's glyphs drawn: glyph 0 becomes number 0 and these numbers 1, 2, ... in this order
    // (repeats and glyph 0 itself skipped).
    std::vector<uint16_t> glyphs;
    // The 'cmap' of the subset, by the font's own glyph numbers: none for a font whose codes are
    // the glyph numbers themselves (a CID font with an identity map).
    std::vector<CharGlyph> chars;
    bool symbol = false;  // the map is in the Microsoft symbol encoding
};

// The subset: 'glyf', 'loca' (short when it fits), 'head', 'hhea', 'hmtx', 'maxp', and 'cmap' when
// characters are given. It carries no hinting: no 'cvt ', 'fpgm' or 'prep', no glyph instructions.
// Hints fit outlines to a coarse pixel grid; viewers anti-alias and printers work at 300 dpi and
// more, where they change little, while they are often a third of a subset's bytes. Throws
// folivo::Error when the file is damaged.
std::string SubsetFont(std::string_view bytes, const SubsetRequest& request);

// Six capital letters derived from the bytes, written before "+" in a subset font's name.
std::string SubsetTag(std::string_view bytes);

}  // namespace folivo::truetype
