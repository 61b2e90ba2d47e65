// Fonts built for the cases the installed fonts do not cover: with fontTools, a Microsoft symbol
// character map and a font without an OS/2 table; by hand, a character map segment that adds
// idDelta to a glyph array entry (fontTools never writes one).

#include <gtest/gtest.h>

#include "pdf/truetype/char_map.hpp"
#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

struct BuiltCase {
    const char* kind;
    FontEntries expected;  // entries of the written dictionary and descriptor
};

// The built font: glyphs .notdef 500, A 700, B 300 thousandths; usWinAscent 1800, usWinDescent 500
// and hhea 1600/-400 at 2000 units to the em.
const std::vector<BuiltCase> kCases = {
    {"symbol", {{"Flags", "4"}, {"Ascent", "900"}, {"Descent", "-250"}, {"StemV", "70"}, {"MissingWidth", "500"}}},
    {"plain", {{"Flags", "32"}, {"Ascent", "800"}, {"Descent", "-200"}, {"AvgWidth", "0"}, {"CapHeight", "800"}}},
};

TEST(TrueTypeBuilt, SymbolMapAndMissingOs2AreRead) {
    for (const BuiltCase& c : kCases) {
        SCOPED_TRACE(c.kind);
        Doc doc;
        const auto font = doc.dir / "built.ttf";
        Probe("build " + kv::test::ShellQuote(font.string()) + " " + c.kind);

        Folivo& pdf = doc.Page();
        ASSERT_EQ(pdf.AddFont(font.string(), ""), "ProvaPiccola");
        ASSERT_EQ(pdf.ErrNumber(), 0) << pdf.ErrDescription();
        pdf.SetFont("ProvaPiccola", 10);
        EXPECT_NEAR(pdf.TextLength("AB") / pdf.TextLength("A"), 1000.0 / 700.0, 1e-4);
        EXPECT_NEAR(pdf.TextLength("ZZ") / pdf.TextLength("A"), 1000.0 / 700.0, 1e-4) << "unmapped: missing glyph";
        pdf.DrawText(10, 10, "AB");
        doc.Finish();

        const auto fonts = TrueTypeFonts(doc.path, doc.dir.path());
        ASSERT_EQ(fonts.count("ProvaPiccola"), 1u);
        const FontEntries& written = fonts.at("ProvaPiccola");
        for (const auto& [key, value] : c.expected) EXPECT_EQ(written.at(key), value) << key;
        std::string widths;
        for (int code = 0; code < 256; ++code) widths += (code ? "," : "") + std::to_string(code == 'A' ? 700 : code == 'B' ? 300 : 500);
        EXPECT_EQ(written.at("Widths"), widths);
    }
}

TEST(TrueTypeCharMap, SegmentsMapByDeltaAloneOrThroughTheGlyphArray) {
    std::string map;
    const auto put = [&map](std::initializer_list<uint16_t> values) {
        for (uint16_t v : values) map += {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
    };
    put({4, 46, 0, 6, 4, 1, 2});   // format, length, language, segCountX2, searchRange, entrySelector, rangeShift
    put({0x42, 0x63, 0xFFFF, 0});  // end codes, pad
    put({0x41, 0x61, 0xFFFF});     // start codes
    put({100, 10, 1});             // idDelta
    put({0, 4, 0});                // idRangeOffset: the second segment reads the glyph array
    put({5, 0, 7});                // glyph array
    const truetype::ByteReader reader(map);
    const auto glyphs = truetype::MapCodes(reader, {0, false}, truetype::CodePage::kWindows1252);
    const std::pair<unsigned char, uint16_t> cases[] = {{'A', 165}, {'B', 166}, {'C', 0},   {'a', 15},
                                                        {'b', 0},   {'c', 17},  {0x80, 0}};
    for (const auto& [code, glyph] : cases) EXPECT_EQ(glyphs[code], glyph) << code;
}

}  // namespace
}  // namespace folivo::test
