#include "pdf/truetype/subset.hpp"

#include <map>
#include <utility>

#include "pdf/error.hpp"
#include "pdf/truetype/font_bytes.hpp"
#include "pdf/truetype/glyph_set.hpp"

namespace folivo::truetype {
namespace {

using Tables = std::map<std::string, std::string>;

constexpr size_t kHeadChecksumAdjustment = 8;
constexpr size_t kHeadIndexToLocFormat = 50;
constexpr size_t kHheaMetricCount = 34;
constexpr size_t kMaxpNumGlyphs = 4;
constexpr uint32_t kChecksumMagic = 0xB1B0AFBA;
constexpr size_t kShortLocaLimit = 0x1FFFE;  // short 'loca' entries hold offsets / 2 in 16 bits
constexpr size_t kTagLetters = 6;

void PadToFour(std::string& out) { out.append((4 - out.size() % 4) % 4, '\0'); }

// The sum of the big-endian 32-bit words of the data, zero-padded to a whole word.
uint32_t Checksum(std::string_view data) {
    uint32_t sum = 0;
    for (size_t i = 0; i < data.size(); i += 4) {
        uint32_t word = 0;
        for (size_t k = 0; k < 4; ++k) {
            word = word << 8 | (i + k < data.size() ? static_cast<uint8_t>(data[i + k]) : 0u);
        }
        sum += word;
    }
    return sum;
}

// A table as it stands in the file; throws when the file lacks it or it is shorter than `minimum`.
std::string CopyTable(const ByteReader& reader, const TableDirectory& directory, const char* tag, size_t minimum) {
    const TableEntry entry{directory.Require(tag), directory.Entry(tag)->length};
    const std::string table(reader.Bytes(entry.offset, entry.length));
    ByteReader(table).Require(0, minimum, std::string("the '") + tag + "' table");
    return table;
}

// 'glyf' and 'loca' with the kept outlines in their new order, components renumbered, hinting dropped; 'head' told
// which 'loca' format it got.
void RebuildOutlines(const GlyphOutlines& outlines, const std::vector<uint16_t>& order,
                     const std::vector<uint16_t>& newNumber, Tables& tables) {
    std::string glyf;
    std::vector<uint32_t> offsets;
    for (uint16_t glyph : order) {
        offsets.push_back(static_cast<uint32_t>(glyf.size()));
        glyf += SubsetOutline(outlines.Outline(glyph), newNumber);
        glyf.append(glyf.size() % 2, '\0');  // 'loca' offsets are even
    }
    offsets.push_back(static_cast<uint32_t>(glyf.size()));
    const bool shortLoca = glyf.size() <= kShortLocaLimit;
    std::string loca;
    for (uint32_t offset : offsets) {
        if (shortLoca) {
            AppendU16(loca, static_cast<uint16_t>(offset / 2));
        } else {
            AppendU32(loca, offset);
        }
    }
    PutU16(tables.at("head"), kHeadIndexToLocFormat, shortLoca ? 0 : 1);
    tables["glyf"] = std::move(glyf);
    tables["loca"] = std::move(loca);
}

// 'hmtx' for the kept glyphs, and its count of full metrics for 'hhea': the glyphs after the last
// change of advance keep only their left side bearing, as the format allows.
std::pair<std::string, uint16_t> RebuildMetrics(const ByteReader& reader, const TableDirectory& directory,
                                                uint16_t metricCount, const std::vector<uint16_t>& order) {
    const uint64_t hmtx = directory.Require("hmtx");
    std::vector<uint16_t> advances;
    std::vector<uint16_t> bearings;
    for (uint16_t glyph : order) {
        const uint64_t full = glyph < metricCount ? glyph : metricCount - 1u;
        const uint64_t bearing =
            glyph < metricCount ? hmtx + 4ull * glyph + 2 : hmtx + 4ull * metricCount + 2ull * (glyph - metricCount);
        advances.push_back(reader.U16(hmtx + 4 * full));
        bearings.push_back(reader.U16(bearing));
    }
    size_t full = advances.size();
    while (full > 1 && advances[full - 1] == advances[full - 2]) --full;
    std::string out;
    for (size_t i = 0; i < advances.size(); ++i) {
        if (i < full) AppendU16(out, advances[i]);
        AppendU16(out, bearings[i]);
    }
    return {std::move(out), static_cast<uint16_t>(full)};
}

// The file: offset table, one record per table in tag order, then the tables on four-byte bounds.
std::string Assemble(const Tables& tables) {
    const auto count = static_cast<uint16_t>(tables.size());
    uint16_t power = 1;
    uint16_t log2 = 0;
    while (power * 2 <= count) power *= 2, ++log2;
    std::string font;
    AppendU32(font, 0x00010000);
    AppendU16(font, count);
    AppendU16(font, static_cast<uint16_t>(power * 16));
    AppendU16(font, log2);
    AppendU16(font, static_cast<uint16_t>(count * 16 - power * 16));
    std::string body;
    const size_t bodyStart = 12 + 16u * count;
    size_t head = 0;
    for (const auto& [tag, data] : tables) {
        if (tag == "head") head = bodyStart + body.size();
        font += tag;
        AppendU32(font, Checksum(data));
        AppendU32(font, static_cast<uint32_t>(bodyStart + body.size()));
        AppendU32(font, static_cast<uint32_t>(data.size()));
        body += data;
        PadToFour(body);
    }
    font += body;
    PutU32(font, head + kHeadChecksumAdjustment, kChecksumMagic - Checksum(font));
    return font;
}

// The subset's character map over the new glyph numbers; characters of glyphs not kept are left out.
std::string SubsetCharMap(const SubsetRequest& request, const std::vector<uint16_t>& newNumber) {
    std::vector<CharGlyph> chars;
    for (const auto& [c, glyph] : request.chars) {
        if (glyph != 0 && glyph < newNumber.size() && newNumber[glyph] != 0) chars.emplace_back(c, newNumber[glyph]);
    }
    return CharMapTable(std::move(chars), request.symbol);
}

}  // namespace

std::string SubsetFont(std::string_view bytes, const SubsetRequest& request) {
    const ByteReader reader(bytes);
    const TableDirectory directory(reader);
    const GlyphOutlines outlines(reader, directory);
    const std::vector<uint16_t> order = GlyphOrder(outlines, request.glyphs);
    std::vector<uint16_t> newNumber(outlines.Count(), 0);
    for (size_t i = 0; i < order.size(); ++i) newNumber[order[i]] = static_cast<uint16_t>(i);
    const auto count = static_cast<uint16_t>(order.size());

    Tables tables;
    tables["head"] = CopyTable(reader, directory, "head", kHeadIndexToLocFormat + 2);
    PutU32(tables["head"], kHeadChecksumAdjustment, 0);
    tables["hhea"] = CopyTable(reader, directory, "hhea", kHheaMetricCount + 2);
    const uint16_t metricCount = ByteReader(tables["hhea"]).U16(kHheaMetricCount);
    if (metricCount == 0) throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: hhea lists no metrics");
    tables["maxp"] = CopyTable(reader, directory, "maxp", kMaxpNumGlyphs + 2);
    PutU16(tables["maxp"], kMaxpNumGlyphs, count);
    auto [hmtx, fullMetrics] = RebuildMetrics(reader, directory, metricCount, order);
    tables["hmtx"] = std::move(hmtx);
    PutU16(tables["hhea"], kHheaMetricCount, fullMetrics);
    RebuildOutlines(outlines, order, newNumber, tables);
    if (!request.chars.empty()) tables["cmap"] = SubsetCharMap(request, newNumber);
    return Assemble(tables);
}

std::string SubsetTag(std::string_view bytes) {
    uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : bytes) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    std::string tag;
    for (size_t i = 0; i < kTagLetters; ++i, hash /= 26) tag += static_cast<char>('A' + hash % 26);
    return tag;
}

}  // namespace folivo::truetype
