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
constexpr uint16_t kHaveInstructions = 0x0100;

// Bytes of a component record after its flags and glyph number.
uint64_t ComponentTail(uint16_t flags) {
    const uint64_t args = (flags & kArgsAreWords) ? 4 : 2;
    if (flags & kHaveScale) return args + 2;
    if (flags & kHaveXYScale) return args + 4;
    if (flags & kHaveTwoByTwo) return args + 8;
    return args;
}

// The component records of a composite outline: where each begins (at its flags), and where the
// last one ends. None for a simple outline; records cut short by the end of the outline are left out.
struct ComponentRecords {
    std::vector<uint64_t> starts;
    uint64_t end = 0;
};

ComponentRecords FindComponents(std::string_view outline) {
    ComponentRecords records;
    if (outline.size() < kGlyphHeader) return records;
    const ByteReader bytes(outline);
    if (bytes.S16(0) >= 0) return records;  // a simple glyph: contours, no components
    uint64_t pos = kGlyphHeader;
    uint16_t flags = kMoreComponents;
    while ((flags & kMoreComponents) && pos + 4 <= outline.size()) {
        flags = bytes.U16(pos);
        records.starts.push_back(pos);
        pos += 4 + ComponentTail(flags);
    }
    records.end = pos;
    return records;
}

void PutU16At(std::string& out, uint64_t at, uint16_t value) {
    out[at] = static_cast<char>(value >> 8);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

// A simple outline without its instructions: their length set to 0 and their bytes removed. An
// outline too short for what its header declares comes back unchanged.
std::string DropSimpleInstructions(std::string_view outline) {
    if (outline.size() < kGlyphHeader) return std::string(outline);
    const ByteReader bytes(outline);
    const uint64_t lengthAt = kGlyphHeader + 2ull * static_cast<uint16_t>(bytes.S16(0));
    if (lengthAt + 2 > outline.size()) return std::string(outline);
    const uint64_t length = bytes.U16(lengthAt);
    if (lengthAt + 2 + length > outline.size()) return std::string(outline);
    std::string out(outline.substr(0, lengthAt));
    out.append(2, '\0');
    out.append(outline.substr(lengthAt + 2 + length));
    return out;
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
    const ByteReader bytes(outline);
    std::vector<uint16_t> components;
    for (uint64_t at : FindComponents(outline).starts) components.push_back(bytes.U16(at + 2));
    return components;
}

std::vector<uint16_t> GlyphOrder(const GlyphOutlines& outlines, const std::vector<uint16_t>& used) {
    std::vector<bool> kept(outlines.Count(), false);
    std::vector<uint16_t> order;
    const auto keep = [&](uint16_t glyph) {
        if (glyph >= kept.size() || kept[glyph]) return;  // also ends cycles of components
        kept[glyph] = true;
        order.push_back(glyph);
    };
    keep(0);
    for (uint16_t glyph : used) keep(glyph);
    // Components join at the end, in the order they are met, so the numbers of the glyphs drawn
    // stay those the caller gave them.
    for (size_t i = 0; i < order.size(); ++i) {
        for (uint16_t component : outlines.Components(order[i])) keep(component);
    }
    return order;
}

std::string SubsetOutline(std::string_view outline, const std::vector<uint16_t>& newNumber) {
    if (outline.size() >= kGlyphHeader && ByteReader(outline).S16(0) >= 0) return DropSimpleInstructions(outline);
    const ComponentRecords records = FindComponents(outline);
    std::string out(outline);
    const ByteReader bytes(outline);
    for (uint64_t at : records.starts) {
        const uint16_t old = bytes.U16(at + 2);
        PutU16At(out, at, static_cast<uint16_t>(bytes.U16(at) & ~kHaveInstructions));
        PutU16At(out, at + 2, old < newNumber.size() ? newNumber[old] : 0);
    }
    if (!records.starts.empty() && records.end <= out.size()) out.resize(records.end);  // the instructions
    return out;
}

}  // namespace folivo::truetype
