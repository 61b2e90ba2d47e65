#include "pdf/truetype/truetype_font.hpp"

#include <cmath>
#include <unordered_map>
#include <utility>
#include <vector>

#include "pdf/error.hpp"
#include "pdf/truetype/char_map.hpp"
#include "pdf/truetype/name_table.hpp"
#include "pdf/truetype/table_directory.hpp"

namespace folivo::truetype {
namespace {

constexpr uint32_t kCollectionTag = 0x74746366;  // "ttcf"
constexpr uint32_t kCffOutlineTag = 0x4F54544F;  // "OTTO"

// Font units to thousandths of the em.
class Scale {
public:
    explicit Scale(uint16_t unitsPerEm) : unitsPerEm_(unitsPerEm) {
        if (unitsPerEm == 0) throw Error(kErrDivisionByZero, "Damaged TrueType font: unitsPerEm is 0");
    }
    int32_t operator()(int32_t units) const {
        return static_cast<int32_t>(std::lround(units * 1000.0 / unitsPerEm_));
    }

private:
    uint16_t unitsPerEm_;
};

void ReadHead(const ByteReader& reader, uint64_t head, const Scale& scale, TrueTypeFont& font) {
    for (size_t i = 0; i < font.bbox.size(); ++i) font.bbox[i] = scale(reader.S16(head + 36 + 2 * i));
}

void ReadVertical(const ByteReader& reader, const TableDirectory& tables, uint64_t hhea,
                  const Scale& scale, TrueTypeFont& font) {
    font.maxWidth = scale(reader.U16(hhea + 10));
    if (const auto os2 = tables.Find("OS/2")) {
        font.avgWidth = scale(reader.S16(*os2 + 2));
        font.weightClass = reader.U16(*os2 + 4);
        font.ascent = scale(reader.U16(*os2 + 74));
        font.descent = -scale(reader.U16(*os2 + 76));
    } else {
        font.ascent = scale(reader.S16(hhea + 4));
        font.descent = scale(reader.S16(hhea + 6));
    }
}

void ReadPost(const ByteReader& reader, const TableDirectory& tables, TrueTypeFont& font) {
    const auto post = tables.Find("post");
    if (!post) return;
    const double angle = reader.S16(*post + 4) + reader.U16(*post + 6) / 65535.0;
    font.italicAngle = static_cast<float>(std::round(angle * 100) / 100);
    font.fixedPitch = reader.U32(*post + 12) != 0;
}

// Advance widths by glyph: glyphs past the last full metric share its advance.
class Advances {
public:
    Advances(const ByteReader& reader, uint64_t hmtx, uint16_t metricCount)
        : reader_(reader), hmtx_(hmtx), count_(metricCount) {
        if (count_ == 0) throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: hhea lists no metrics");
    }
    uint16_t operator()(uint16_t glyph) const {
        const uint64_t index = glyph < count_ ? glyph : count_ - 1u;
        return reader_.U16(hmtx_ + 4 * index);
    }

private:
    const ByteReader& reader_;
    uint64_t hmtx_;
    uint16_t count_;
};

void ReadWidths(const ByteReader& reader, const TableDirectory& tables, uint64_t hhea,
                const Scale& scale, CodePage codePage, TrueTypeFont& font) {
    const Advances advance(reader, tables.Require("hmtx"), reader.U16(hhea + 34));
    font.missingWidth = scale(advance(0));
    GlyphTable& glyphs = font.glyphs;
    if (const auto cmap = tables.Find("cmap")) {
        if (const auto subtable = FindCharMap(reader, *cmap)) {
            glyphs = MapCodes(reader, *subtable, codePage);
            font.symbolic = subtable->symbol;
        }
    }
    for (size_t code = 0; code < glyphs.size(); ++code) {
        font.widths[code] = static_cast<uint16_t>(scale(advance(glyphs[code])));
    }
}

// Collections and CFF-outline fonts would need another kind of embedded file than FontFile2.
void RequireSingleTrueTypeFont(const ByteReader& reader) {
    const uint32_t tag = reader.U32(0);
    if (tag == kCollectionTag) {
        throw Error(kErrSubscriptOutOfRange, "TrueType collections are not supported: use a single-font .ttf file");
    }
    if (tag == kCffOutlineTag) {
        throw Error(kErrSubscriptOutOfRange, "OpenType fonts with CFF outlines are not supported: use a .ttf file");
    }
}

}  // namespace

TrueTypeFont ReadTrueType(std::string_view bytes, CodePage codePage) {
    const ByteReader reader(bytes);
    RequireSingleTrueTypeFont(reader);
    const TableDirectory tables(reader);
    const uint64_t head = tables.Require("head");
    const uint64_t hhea = tables.Require("hhea");
    const Scale scale(reader.U16(head + 18));

    TrueTypeFont font;
    ReadHead(reader, head, scale, font);
    ReadVertical(reader, tables, hhea, scale, font);
    ReadPost(reader, tables, font);
    ReadWidths(reader, tables, hhea, scale, codePage, font);
    if (const auto name = tables.Find("name")) font.fullName = FullName(reader, *name);
    if (font.fullName.empty()) throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: the font has no name");
    return font;
}

fonts::CidGlyphs ReadCidGlyphs(std::string_view bytes) {
    const ByteReader reader(bytes);
    const TableDirectory tables(reader);
    const uint64_t hhea = tables.Require("hhea");
    const Scale scale(reader.U16(tables.Require("head") + 18));
    const uint16_t glyphCount = reader.U16(tables.Require("maxp") + 4);
    const Advances advance(reader, tables.Require("hmtx"), reader.U16(hhea + 34));
    std::vector<uint16_t> widths;
    widths.reserve(glyphCount);
    for (uint16_t glyph = 0; glyph < glyphCount; ++glyph) widths.push_back(static_cast<uint16_t>(scale(advance(glyph))));
    std::unordered_map<char32_t, uint16_t> glyphs;
    if (const auto cmap = tables.Find("cmap")) glyphs = UnicodeGlyphs(reader, *cmap, glyphCount);
    return fonts::CidGlyphs(std::move(glyphs), std::move(widths));
}

}  // namespace folivo::truetype
