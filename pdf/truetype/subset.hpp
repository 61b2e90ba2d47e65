#pragma once
// A subset of a TrueType font for embedding: the outlines of the glyphs a document drew, glyph
// numbers unchanged, so the character map, widths and hinting of the whole font stay valid.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace folivo::truetype {

// The font with only the outlines of `used`, the missing glyph and their components ('loca' made
// long), 'post' without glyph names, and only the tables a PDF viewer reads for a TrueType font:
// OS/2, cmap, cvt, fpgm, glyf, head, hhea, hmtx, loca, maxp, name, post, prep. Throws
// folivo::Error when the file is damaged.
std::string SubsetFont(std::string_view bytes, const std::vector<uint16_t>& used);

// Six capital letters derived from the bytes, written before "+" in a subset font's name.
std::string SubsetTag(std::string_view bytes);

}  // namespace folivo::truetype
