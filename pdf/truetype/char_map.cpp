#include "pdf/truetype/char_map.hpp"

#include <algorithm>

#include "pdf/text/windows1252.hpp"
#include "pdf/truetype/mac_roman.hpp"

namespace folivo::truetype {
namespace {

constexpr uint16_t kPlatformUnicode = 0;
constexpr uint16_t kPlatformMicrosoft = 3;
constexpr uint16_t kEncodingSymbol = 0;
constexpr uint16_t kEncodingUnicodeBmp = 1;
constexpr uint16_t kEncodingUcs4 = 10;
constexpr uint16_t kFormatSegments = 4;
constexpr uint16_t kFormatGroups = 12;
constexpr uint32_t kLastChar = 0x10FFFF;
constexpr char32_t kMacRomanCurrency = 0xDB;
constexpr char32_t kUnassigned = 0xFFFD;
constexpr uint32_t kSymbolBase = 0xF000;
constexpr uint32_t kSymbolLast = 0xF0FF;
constexpr uint32_t kFirstPrintable = 0x20;
constexpr uint32_t kDelete = 0x7F;

// The four arrays of a format 4 subtable, each segCount 16-bit values long.
class SegmentMap {
public:
    SegmentMap(const ByteReader& reader, uint64_t offset) : reader_(reader) {
        segCount_ = reader.U16(offset + 6) / 2u;
        ends_ = offset + 14;
        starts_ = ends_ + 2ull * segCount_ + 2;  // a reserved 16-bit pad follows the end codes
        deltas_ = starts_ + 2ull * segCount_;
        rangeOffsets_ = deltas_ + 2ull * segCount_;
        reader.Require(ends_, 8ull * segCount_ + 2, "the character map segments");
    }

    // Calls f(character, glyph) for every character of every segment but the closing U+FFFF. Sound
    // segments do not overlap, so at most 65536 characters are visited; a damaged map stops there.
    template <typename F>
    void ForEach(F f) const {
        uint32_t budget = 0x10000;
        for (uint64_t i = 0; i < segCount_; ++i) {
            const uint32_t start = reader_.U16(starts_ + 2 * i);
            const uint32_t end = reader_.U16(ends_ + 2 * i);
            for (uint32_t c = start; c <= end && c < 0xFFFF; ++c) {
                if (budget-- == 0) return;
                f(c, GlyphInSegment(i, c, start));
            }
        }
    }

    // The glyph of one character, 0 when no segment holds it. `modulo` takes the codes of segments
    // in the symbol area modulo 4096.
    uint16_t GlyphOf(uint32_t code, bool modulo) const {
        for (uint64_t i = 0; i < segCount_; ++i) {
            const uint32_t start = reader_.U16(starts_ + 2 * i);
            const uint32_t end = reader_.U16(ends_ + 2 * i);
            // Symbol fonts place their codes at U+F020..U+F0FF; idDelta counts from there.
            const uint32_t fold = modulo && start >= kSymbolBase && end <= kSymbolLast ? kSymbolBase : 0;
            if (code + fold >= start && code + fold <= end) return GlyphInSegment(i, code + fold, start);
        }
        return 0;
    }

private:
    uint16_t GlyphInSegment(uint64_t i, uint32_t code, uint32_t start) const {
        const uint16_t delta = reader_.U16(deltas_ + 2 * i);
        const uint16_t rangeOffset = reader_.U16(rangeOffsets_ + 2 * i);
        if (rangeOffset == 0) return static_cast<uint16_t>(code + delta);
        // idRangeOffset counts bytes from its own position to the glyph array entry.
        const uint64_t at = rangeOffsets_ + 2 * i + rangeOffset + 2ull * (code - start);
        const uint16_t glyph = reader_.U16(at);
        return glyph == 0 ? 0 : static_cast<uint16_t>(glyph + delta);
    }

    const ByteReader& reader_;
    uint64_t segCount_ = 0;
    uint64_t ends_ = 0;
    uint64_t starts_ = 0;
    uint64_t deltas_ = 0;
    uint64_t rangeOffsets_ = 0;
};

// Preference of a subtable by platform and encoding; 0 means not usable.
int Rank(uint16_t platform, uint16_t encoding) {
    if (platform == kPlatformMicrosoft && encoding == kEncodingUnicodeBmp) return 3;
    if (platform == kPlatformMicrosoft && encoding == kEncodingSymbol) return 2;
    if (platform == kPlatformUnicode) return 1;
    return 0;
}

char32_t CharOf(uint32_t code, CodePage codePage) {
    const auto byte = static_cast<unsigned char>(code);
    return codePage == CodePage::kMacRoman ? MacRomanChar(byte) : text::Windows1252Char(byte);
}

// The offset of a format 12 subtable of the Microsoft UCS-4 or the Unicode platform, if any.
std::optional<uint64_t> FindGroupMap(const ByteReader& reader, uint64_t cmapOffset) {
    const uint16_t count = reader.U16(cmapOffset + 2);
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t record = cmapOffset + 4 + 8 * i;
        const uint16_t platform = reader.U16(record);
        const bool ucs4 = platform == kPlatformUnicode || (platform == kPlatformMicrosoft && reader.U16(record + 2) == kEncodingUcs4);
        const uint64_t offset = cmapOffset + reader.U32(record + 4);
        if (ucs4 && reader.U16(offset) == kFormatGroups) return offset;
    }
    return std::nullopt;
}

void ReadGroups(const ByteReader& reader, uint64_t offset, uint16_t glyphCount,
                std::unordered_map<char32_t, uint16_t>& glyphs) {
    const uint32_t groups = reader.U32(offset + 12);
    reader.Require(offset + 16, 12ull * groups, "the character map groups");
    // Sound groups do not overlap, so they hold at most every character once; a damaged map stops there.
    uint32_t budget = kLastChar + 1;
    for (uint64_t g = 0; g < groups && budget > 0; ++g) {
        const uint64_t at = offset + 16 + 12 * g;
        const uint32_t first = reader.U32(at);
        const uint32_t last = std::min(reader.U32(at + 4), kLastChar);
        const uint32_t glyph = reader.U32(at + 8);
        // A group may not run past the font's glyphs, which also bounds what a damaged file can claim.
        for (uint32_t c = first; c <= last && uint64_t{glyph} + (c - first) < glyphCount && budget > 0; ++c, --budget) {
            glyphs.emplace(c, static_cast<uint16_t>(glyph + (c - first)));
        }
    }
}

}  // namespace

std::optional<CharMapSubtable> FindCharMap(const ByteReader& reader, uint64_t cmapOffset) {
    const uint16_t count = reader.U16(cmapOffset + 2);
    std::optional<CharMapSubtable> best;
    int bestRank = 0;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t record = cmapOffset + 4 + 8 * i;
        const uint16_t platform = reader.U16(record);
        const uint16_t encoding = reader.U16(record + 2);
        const uint64_t offset = cmapOffset + reader.U32(record + 4);
        const int rank = Rank(platform, encoding);
        if (rank <= bestRank || reader.U16(offset) != kFormatSegments) continue;
        best = CharMapSubtable{offset, platform == kPlatformMicrosoft && encoding == kEncodingSymbol};
        bestRank = rank;
    }
    return best;
}

GlyphTable MapCodes(const ByteReader& reader, const CharMapSubtable& subtable, CodePage codePage) {
    const SegmentMap segments(reader, subtable.offset);
    GlyphTable glyphs{};
    for (uint32_t code = 0; code < glyphs.size(); ++code) {
        const char32_t c = subtable.symbol ? code : CharOf(code, codePage);
        // The five bytes Windows-1252 leaves unassigned draw the missing glyph, not U+FFFD's.
        if (c == kUnassigned) continue;
        glyphs[code] = segments.GlyphOf(static_cast<uint32_t>(c), subtable.symbol);
    }
    return glyphs;
}

fonts::CodeChars TextChars(CodePage codePage) {
    fonts::CodeChars chars{};
    for (uint32_t code = kFirstPrintable; code < chars.size(); ++code) {
        const char32_t c = CharOf(code, codePage);
        if (code != kDelete && c != kUnassigned) chars[code] = c;
    }
    return chars;
}

char32_t LookupChar(unsigned char code, CodePage codePage, bool symbol) {
    if (symbol) return kSymbolBase + code;
    if (codePage == CodePage::kMacRoman && code == kMacRomanCurrency) return 0x00A4;
    return CharOf(code, codePage);
}

std::unordered_map<char32_t, uint16_t> UnicodeGlyphs(const ByteReader& reader, uint64_t cmapOffset,
                                                      uint16_t glyphCount) {
    std::unordered_map<char32_t, uint16_t> glyphs;
    if (const auto groups = FindGroupMap(reader, cmapOffset)) {
        ReadGroups(reader, *groups, glyphCount, glyphs);
        return glyphs;
    }
    const auto subtable = FindCharMap(reader, cmapOffset);
    if (!subtable) return glyphs;
    SegmentMap(reader, subtable->offset).ForEach([&](uint32_t c, uint16_t glyph) {
        if (glyph == 0 || glyph >= glyphCount) return;
        glyphs.emplace(c, glyph);
        if (subtable->symbol && c >= kSymbolBase + kFirstPrintable && c <= kSymbolLast) glyphs.emplace(c - kSymbolBase, glyph);
    });
    return glyphs;
}

}  // namespace folivo::truetype
