#include "pdf/truetype/glyph_set.hpp"

#include "pdf/error.hpp"

namespace folivo::truetype {
namespace {

constexpr uint64_t kHeadIndexToLocFormat = 50;
constexpr uint64_t kMaxpNumGlyphs = 4;
constexpr uint64_t kGlyphHeader = 10;  // numberOfContours and the bounding box
// Flags of a composite glyph's component record.
constexpr uint16_t kArgsAreWords = 0x0001;
constexpr uint16_t kHaveScale = 0x0008;
constexpr uint16_t kMoreComponents = 0x0020;
constexpr uint16_t kHaveXYScale = 0x0040;
constexpr uint16_t kHaveTwoByTwo = 0x0080;

// Bytes of a component record after its flags and glyph number.
uint64_t ComponentTail(uint16_t flags) {
    const uint64_t args = (flags & kArgsAreWords) ? 4 : 2;
    if (flags & kHaveScale) return args + 2;
    if (flags & kHaveXYScale) return args + 4;
    if (flags & kHaveTwoByTwo) return args + 8;
    return args;
}

}  // namespace

GlyphOutlines::GlyphOutlines(const ByteReader& reader, const TableDirectory& tables) : reader_(reader) {
    const auto glyf = tables.Entry("glyf");
    if (!glyf) throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: the file has no 'glyf' table");
    glyf_ = *glyf;
    loca_ = tables.Require("loca");
    longLoca_ = reader.S16(tables.Require("head") + kHeadIndexToLocFormat) != 0;
    count_ = reader.U16(tables.Require("maxp") + kMaxpNumGlyphs);
    reader.Require(loca_, (count_ + 1ull) * (longLoca_ ? 4 : 2), "the glyph locations");
}

uint32_t GlyphOutlines::LocaEntry(uint32_t index) const {
    return longLoca_ ? reader_.U32(loca_ + 4ull * index) : 2u * reader_.U16(loca_ + 2ull * index);
}

std::string_view GlyphOutlines::Outline(uint16_t glyph) const {
    const uint32_t start = LocaEntry(glyph);
    const uint32_t end = LocaEntry(glyph + 1u);
    if (end < start || end > glyf_.length) {
        throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: glyph " + std::to_string(glyph) +
                                                 " lies outside the 'glyf' table");
    }
    return reader_.Bytes(glyf_.offset + start, end - start);
}

std::vector<uint16_t> GlyphOutlines::Components(uint16_t glyph) const {
    const std::string_view outline = Outline(glyph);
    std::vector<uint16_t> components;
    if (outline.size() < kGlyphHeader) return components;
    const ByteReader bytes(outline);
    if (bytes.S16(0) >= 0) return components;  // a simple glyph: contours, no components
    uint64_t pos = kGlyphHeader;
    uint16_t flags = kMoreComponents;
    while ((flags & kMoreComponents) && pos + 4 <= outline.size()) {
        flags = bytes.U16(pos);
        components.push_back(bytes.U16(pos + 2));
        pos += 4 + ComponentTail(flags);
    }
    return components;
}

std::vector<bool> GlyphClosure(const GlyphOutlines& outlines, const std::vector<uint16_t>& used) {
    std::vector<bool> kept(outlines.Count(), false);
    std::vector<uint16_t> pending(used);
    pending.push_back(0);
    while (!pending.empty()) {
        const uint16_t glyph = pending.back();
        pending.pop_back();
        if (glyph >= kept.size() || kept[glyph]) continue;  // also ends cycles of components
        kept[glyph] = true;
        for (uint16_t component : outlines.Components(glyph)) pending.push_back(component);
    }
    return kept;
}

}  // namespace folivo::truetype
