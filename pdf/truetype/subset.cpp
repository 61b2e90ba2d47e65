#include "pdf/truetype/subset.hpp"

#include <array>
#include <map>

#include "pdf/truetype/glyph_set.hpp"

namespace folivo::truetype {
namespace {

constexpr std::array<const char*, 13> kKeptTables = {"OS/2", "cmap", "cvt ", "fpgm", "glyf", "head", "hhea",
                                                     "hmtx", "loca", "maxp", "name", "post", "prep"};
constexpr size_t kHeadChecksumAdjustment = 8;
constexpr size_t kHeadIndexToLocFormat = 50;
constexpr size_t kPostHeader = 32;
constexpr uint32_t kPostWithoutNames = 0x00030000;
constexpr uint32_t kChecksumMagic = 0xB1B0AFBA;
constexpr size_t kTagLetters = 6;

void PutU16(std::string& out, size_t at, uint16_t value) {
    out[at] = static_cast<char>(value >> 8);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

void PutU32(std::string& out, size_t at, uint32_t value) {
    PutU16(out, at, static_cast<uint16_t>(value >> 16));
    PutU16(out, at + 2, static_cast<uint16_t>(value & 0xFFFF));
}

void AppendU32(std::string& out, uint32_t value) {
    out.append(4, '\0');
    PutU32(out, out.size() - 4, value);
}

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

// New 'glyf' and long 'loca' holding the kept outlines only, each padded to four bytes.
void RebuildOutlines(const GlyphOutlines& outlines, const std::vector<bool>& kept,
                     std::map<std::string, std::string>& tables) {
    std::string glyf;
    std::string loca;
    for (uint16_t glyph = 0; glyph < outlines.Count(); ++glyph) {
        AppendU32(loca, static_cast<uint32_t>(glyf.size()));
        if (!kept[glyph]) continue;
        glyf += outlines.Outline(glyph);
        PadToFour(glyf);
    }
    AppendU32(loca, static_cast<uint32_t>(glyf.size()));
    tables["glyf"] = std::move(glyf);
    tables["loca"] = std::move(loca);
}

// The kept tables as they stand in the file, with 'head' and 'post' adjusted.
std::map<std::string, std::string> KeptTables(const ByteReader& reader, const TableDirectory& directory) {
    std::map<std::string, std::string> tables;
    for (const char* tag : kKeptTables) {
        if (const auto entry = directory.Entry(tag)) tables[tag] = std::string(reader.Bytes(entry->offset, entry->length));
    }
    std::string& head = tables.at("head");  // GlyphOutlines has required it
    // The fields written below must lie inside the table as its directory entry sizes it, not
    // merely inside the file.
    ByteReader(head).Require(0, kHeadIndexToLocFormat + 2, "the 'head' table");
    PutU32(head, kHeadChecksumAdjustment, 0);
    PutU16(head, kHeadIndexToLocFormat, 1);
    if (auto post = tables.find("post"); post != tables.end() && post->second.size() >= kPostHeader) {
        post->second.resize(kPostHeader);
        PutU32(post->second, 0, kPostWithoutNames);
    }
    return tables;
}

// The file: offset table, one record per table in tag order, then the tables on four-byte bounds.
std::string Assemble(const std::map<std::string, std::string>& tables) {
    const auto count = static_cast<uint16_t>(tables.size());
    uint16_t power = 1;
    uint16_t log2 = 0;
    while (power * 2 <= count) power *= 2, ++log2;
    std::string font(12, '\0');
    PutU32(font, 0, 0x00010000);
    PutU16(font, 4, count);
    PutU16(font, 6, static_cast<uint16_t>(power * 16));
    PutU16(font, 8, log2);
    PutU16(font, 10, static_cast<uint16_t>(count * 16 - power * 16));
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

}  // namespace

std::string SubsetFont(std::string_view bytes, const std::vector<uint16_t>& used) {
    const ByteReader reader(bytes);
    const TableDirectory directory(reader);
    const GlyphOutlines outlines(reader, directory);
    std::map<std::string, std::string> tables = KeptTables(reader, directory);
    RebuildOutlines(outlines, GlyphClosure(outlines, used), tables);
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
