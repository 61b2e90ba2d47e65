#pragma once
// The outlines of a TrueType font ('glyf' through 'loca'), the glyphs a set of glyphs needs (itself,
// the missing glyph and, for composite glyphs, their components at any depth), and outlines
// renumbered and stripped of hinting for a subset.

#include <cstdint>
#include <string>
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

// The glyphs to keep in their new order: glyph 0, then `used` in its order (repeats dropped), then
// the components they are built from at any depth. Numbers past the font's glyphs are ignored.
std::vector<uint16_t> GlyphOrder(const GlyphOutlines& outlines, const std::vector<uint16_t>& used);

// An outline as a subset keeps it, without hinting: a simple outline loses its instructions; a
// composite one has each component's glyph number replaced by newNumber[old], its "instructions
// follow" flags cleared and the instructions after its last component cut. Damaged outlines keep
// their bytes (glyph numbers aside).
std::string SubsetOutline(std::string_view outline, const std::vector<uint16_t>& newNumber);

}  // namespace folivo::truetype
