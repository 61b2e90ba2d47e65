// Colour texts and the colour operators they write.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "pdf/core/color.hpp"
#include "pdf/folivo.hpp"
#include "pdf_facts.hpp"
#include "tests/support/test_support.hpp"

namespace folivo {
namespace {

std::pair<std::string, std::string> Parsed(const std::string& text) {
    std::string color = text;
    std::string second = "stale";
    ParseColor(color, second);
    return {color, second};
}

TEST(ParseColor, ReadsEveryForm) {
    using P = std::pair<std::string, std::string>;
    EXPECT_EQ(Parsed(""), P("", ""));
    EXPECT_EQ(Parsed("#12345678"), P("#123456", ""));
    EXPECT_EQ(Parsed("red"), P("#FF0000", ""));
    EXPECT_EQ(Parsed("  Navy "), P("#000080", ""));
    EXPECT_EQ(Parsed("lightYellow"), P("#FFFFE0", ""));
    EXPECT_EQ(Parsed("Black"), P("#000000", ""));
    // 50 * 255 / 100 = 127.5 rounds to the even 128.
    EXPECT_EQ(Parsed("%50"), P("#808080", ""));
    EXPECT_EQ(Parsed("%0"), P("#000000", ""));
    EXPECT_EQ(Parsed("%100"), P("#FFFFFF", ""));
    EXPECT_EQ(Parsed("@255;128;0"), P("#FF8000", ""));
    EXPECT_EQ(Parsed("@0;0;0;100"), P("#000000", ""));
    EXPECT_EQ(Parsed("@0;100;100;0"), P("#FF0000", ""));
    EXPECT_EQ(Parsed("@0,5;0;0;0"), P("#FEFFFF", ""));
    EXPECT_EQ(Parsed("@1;2"), P("", ""));
    EXPECT_EQ(Parsed("grid;#FF0000"), P("GRID", "#FF0000"));
    EXPECT_EQ(Parsed(" hatch ; blue"), P("HATCH", "#0000FF"));
    EXPECT_EQ(Parsed("stripes"), P("STRIPES", ""));
}

TEST(ColorToRGB, GivesComponentsFromZeroToOne) {
    EXPECT_EQ(ColorToRGB("#FF8000"), "1 0.502 0");
    EXPECT_EQ(ColorToRGB("#000000"), "0 0 0");
    EXPECT_EQ(ColorToRGB("#c0c0c0"), "0.753 0.753 0.753");
    for (const char* bad : {"#GGGGGG", "#12", "123456", ""}) {
        try {
            ColorToRGB(bad);
            ADD_FAILURE() << bad << " was accepted";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), kErrTypeMismatch) << bad;
        }
    }
}

TEST(ColorMembers, WriteFillAndStrokeOperators) {
    kv::test::TempDir dir("color");
    test::FakeHost host;
    Folivo pdf(host);
    const std::string path = (dir / "out.pdf").string();
    pdf.BeginDoc(path);
    pdf.BeginPage();
    pdf.SetColorFill("red");
    pdf.SetColorLine("@0;0;255");
    pdf.SetColorFill("GRID;#FF0000");
    pdf.SetColorLine("hatch");
    pdf.SetColorFill("");
    pdf.SetColorText("blue");  // stored for text, writes nothing
    EXPECT_THROW(pdf.SetColorLine("#XYZXYZ"), Error);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);
    EXPECT_EQ(test::PdfFacts(path).Bytes("page1Content"),
              "1 0 0 -1 0 842 cm \r0 0 0 rg\r0 0 0 RG\r"
              "1 0 0 rg\r0 0 1 RG\r/xxCSxx cs 1 0 0 /GRID scn\r/Pattern CS /HATCH SCN\r");
}

}  // namespace
}  // namespace folivo
