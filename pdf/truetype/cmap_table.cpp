#include "pdf/truetype/cmap_table.hpp"

#include <algorithm>

#include "pdf/truetype/font_bytes.hpp"

namespace folivo::truetype {
namespace {

constexpr uint16_t kPlatformMicrosoft = 3;
constexpr uint16_t kEncodingSymbol = 0;
constexpr uint16_t kEncodingUnicodeBmp = 1;
constexpr uint16_t kFormatSegments = 4;
constexpr char32_t kLastCode = 0xFFFF;  // every format 4 map ends with a segment holding it alone

struct Segment {
    uint16_t start = 0;
    uint16_t end = 0;
    uint16_t delta = 0;  // glyph - character, modulo 65536
};

std::vector<Segment> Segments(std::vector<CharGlyph> chars) {
    std::sort(chars.begin(), chars.end());
    std::vector<Segment> segments;
    for (const auto& [c, glyph] : chars) {
        if (c >= kLastCode) break;
        const auto code = static_cast<uint16_t>(c);
        const auto delta = static_cast<uint16_t>(glyph - code);
        if (!segments.empty() && segments.back().end == code) continue;  // a repeated character
        if (!segments.empty() && segments.back().end + 1 == code && segments.back().delta == delta) {
            segments.back().end = code;
        } else {
            segments.push_back({code, code, delta});
        }
    }
    segments.push_back({0xFFFF, 0xFFFF, 1});
    return segments;
}

}  // namespace

std::string CharMapTable(std::vector<CharGlyph> chars, bool symbol) {
    const std::vector<Segment> segments = Segments(std::move(chars));
    const auto count = static_cast<uint16_t>(segments.size());
    uint16_t power = 1;
    uint16_t log2 = 0;
    while (power * 2 <= count) power *= 2, ++log2;

    std::string table;
    AppendU16(table, 0);  // version
    AppendU16(table, 1);  // one subtable
    AppendU16(table, kPlatformMicrosoft);
    AppendU16(table, symbol ? kEncodingSymbol : kEncodingUnicodeBmp);
    AppendU32(table, 12);
    AppendU16(table, kFormatSegments);
    AppendU16(table, static_cast<uint16_t>(16 + 8 * count));  // subtable length
    AppendU16(table, 0);                                       // language
    AppendU16(table, static_cast<uint16_t>(2 * count));
    AppendU16(table, static_cast<uint16_t>(2 * power));
    AppendU16(table, log2);
    AppendU16(table, static_cast<uint16_t>(2 * count - 2 * power));
    for (const Segment& s : segments) AppendU16(table, s.end);
    AppendU16(table, 0);  // reserved pad
    for (const Segment& s : segments) AppendU16(table, s.start);
    for (const Segment& s : segments) AppendU16(table, s.delta);
    for (size_t i = 0; i < segments.size(); ++i) AppendU16(table, 0);  // no glyph arrays
    return table;
}

}  // namespace folivo::truetype
