#pragma once
// The outlines of a TrueType font ('glyf' through 'loca'), and the glyphs a set of glyphs needs:
// itself, the missing glyph and, for composite glyphs, their components at any depth.

#include <cstdint>
#include <string_view>
#include <vector>

#include "pdf/truetype/byte_reader.hpp"
#include "pdf/truetype/table_directory.hpp"

namespace folivo::truetype {

class GlyphOutlines {
public:
    // Reads 'head', 'maxp', 'loca' and 'glyf'; throws folivo::Error when one is missing or short.
    GlyphOutlines(const ByteReader& reader, const TableDirectory& tables);

    uint16_t Count() const { return count_; }
    // The outline bytes of a glyph (empty for a glyph without contours); throws when 'loca'
    // places it outside 'glyf'.
    std::string_view Outline(uint16_t glyph) const;
    // The glyphs a composite glyph is built from (none for a simple glyph).
    std::vector<uint16_t> Components(uint16_t glyph) const;

private:
    uint32_t LocaEntry(uint32_t index) const;

    const ByteReader& reader_;
    TableEntry glyf_;
    uint32_t loca_ = 0;
    bool longLoca_ = false;
    uint16_t count_ = 0;
};

// Which glyphs to keep, by glyph number: `used`, glyph 0 and every component they are built from.
// Numbers past the font's glyphs are ignored.
std::vector<bool> GlyphClosure(const GlyphOutlines& outlines, const std::vector<uint16_t>& used);

}  // namespace folivo::truetype
