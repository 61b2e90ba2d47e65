// Small fonts built with fontTools for the cases the installed fonts do not cover: a Microsoft symbol
// character map, and a font without an OS/2 table.

#include <gtest/gtest.h>

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
        ProbeWrites("build " + kv::test::ShellQuote(font.string()) + " " + c.kind);

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
        std::vector<int> widths(256, 500);
        widths[0x41] = 700;
        widths[0x42] = 300;
        EXPECT_EQ(written.at("Widths"), JoinWidths(widths));
    }
}

}  // namespace
}  // namespace folivo::test
