// How paths are painted: dashes, caps, joins, widths and transparency (the operators in the page
// content and the transparency states read back with pikepdf), gradients and tiling patterns (their
// dictionaries and cells), and what they paint on pages rendered by poppler.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

TEST(LineStyle, OperatorsForDashesCapsJoinsAndWidths) {
    const struct {
        const char* name;
        std::function<void(Folivo&)> set;
        const char* content;
    } cases[] = {
        {"list", [](Folivo& p) { p.SetDash("3;1", 0); }, "[ 3 1 ] 0 d\r"},
        {"list with junk", [](Folivo& p) { p.SetDash(" 2.5mm; x;4 ", 1.5f); }, "[ 2.5 0 4 ] 1.5 d\r"},
        {"solid drops the phase", [](Folivo& p) { p.SetDash("solid", 5); }, "[ ] 0 d\r"},
        {"empty is solid", [](Folivo& p) { p.SetDash("", 5); }, "[ ] 0 d\r"},
        {"named in millimetres", [](Folivo& p) { p.SetScale(2); p.SetDash("DashDot", 1); },
         "[0.283 0.142 0.142 0.142 ] 2.835 d\r"},
        {"dot dot", [](Folivo& p) { p.SetScale(3); p.SetDash("dashdotdot"); },
         "[2.835 1.417 1.417 1.417 1.417 1.417 ] 0 d\r"},
        {"round cap, bevel join", [](Folivo& p) { p.SetLineStyle(32 + 4, 2); }, "1 J\r2 j\r2 M\r"},
        {"square cap, round join", [](Folivo& p) { p.SetLineStyle(64 + 2 + 1, 0.5f); }, "2 J\r1 j\r"},
        {"width in points", [](Folivo& p) { p.SetScale(2); p.SetLineWidth(2); }, "5.669 w\r"},
        {"negative width", [](Folivo& p) { p.SetLineWidth(-1); }, ""},
    };
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    for (const auto& c : cases) {
        d.pdf.SetScale(0);
        d.pdf.BeginPage();
        c.set(d.pdf);
    }
    d.Finish();
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Drawn(PageContent(d.path, static_cast<int>(i) + 1)), cases[i].content) << cases[i].name;
    }
}

TEST(Transparency, EachCallMakesAStateAndRaisesTheVersion) {
    Doc d;
    d.Open();
    d.pdf.SetAlpha(150);
    d.pdf.SetAlpha(-5);
    d.pdf.SetAlpha(40);
    d.pdf.SetAlpha(40);
    d.pdf.SetColorFill("red");
    d.pdf.DrawRect(10, 10, 50, 50, 5);
    d.Finish();
    EXPECT_EQ(Drawn(PageContent(d.path)),
              "/GSTATE_1 gs\r/GSTATE_2 gs\r/GSTATE_3 gs\r/GSTATE_4 gs\r1 0 0 rg\r10 10 50 50 re\rf*\r");
    const Readback rb(d.path);
    EXPECT_EQ(rb.version, "1.4");
    EXPECT_EQ(rb.Count("/Type /ExtGState"), 4);
    EXPECT_TRUE(rb.Find({"/BM /Normal /CA 1 ", "/ca 1 "}));
    EXPECT_TRUE(rb.Find({"/CA 0 ", "/ca 0 "}));
    EXPECT_EQ(rb.Count("/CA 0.4 "), 2);
    ExpectColors(Rendered(d.path), {{30, 30, {255, 153, 153}}}, 4);
}

TEST(Gradients, LinearAndRadialShadingsPaintBetweenTheirColours) {
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.BeginObject("logo");  // inside a reusable object Y counts from the bottom
    d.pdf.AddGradient("fade", 0, "red", "blue", 0, 100, 0, 200);
    d.pdf.EndObject();
    d.pdf.BeginPage();
    d.pdf.AddGradient(" sky ", 0, "red", "blue", 0, 0, 200, 0);
    d.pdf.AddGradient("glow", 1, "#FFFFFF", "%0", 300, 100, 300, 100, 0, 50, false, true);
    EXPECT_EQ(ErrorOf([&] { d.pdf.AddGradient("bad", 0, "#GG0000", "blue", 0, 0, 10, 10); }).number(), kErrTypeMismatch);
    d.pdf.SetColorFill("SKY");
    d.pdf.DrawRect(0, 0, 200, 100, 5);
    d.pdf.SetColorFill("glow");
    d.pdf.DrawRect(240, 40, 120, 120, 5);
    d.Finish();
    ExpectContains(kv::test::ReadFile(d.path),
                   {"<</Type /Pattern /PatternType 2 /Matrix [ 1 0 0 -1 0 842] /Shading <<\r\n/ColorSpace /DeviceRGB\r"
                    "/ShadingType 2 /Coords [0 0 200 0]\r/Extend [false false] \r/Function \r"
                    "<< /FunctionType 3 /Domain [0.000 1.000] /Bounds [] /Encode [0 1 ] \r/Functions [\r"
                    "<< /FunctionType 2 /Domain [0.000 1.000] /C0 [1 0 0] /C1 [0 0 1] /N 1 >>]\r>>\r>>\r>>\nendobj",
                    "/Pattern cs /SKY scn\r0 0 200 100 re\rf*"});
    const Readback rb(d.path);
    EXPECT_TRUE(rb.Find({"/ShadingType 3", "/Coords [ 300 100 0 300 100 50 ]", "/Extend [ false true ]"}));
    EXPECT_TRUE(rb.Find({"/ShadingType 2", "/Coords [ 0 742 0 642 ]"}));
    EXPECT_EQ(rb.Count("/Type /Pattern"), 3) << "nothing for the bad colour";
    ExpectColors(Rendered(d.path), {{3, 50, {255, 0, 0}},
                                    {100, 50, {128, 0, 127}},
                                    {197, 50, {0, 0, 255}},
                                    {300, 100, {255, 255, 255}},
                                    {325, 100, {128, 128, 128}},
                                    {245, 45, {0, 0, 0}}});
}

// Two cells 10 x 10: a coloured one (red left half) and an uncoloured one (bottom half, in the colour
// named with the pattern), each filling a 100 x 100 square.
TEST(Tiling, ColouredCellsKeepTheirColoursAndUncolouredOnesTakeTheNamedOne) {
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.SetCompression(2);  // cells are streams like any other
    d.pdf.BeginPage();
    d.pdf.BeginTiling("stripes", 0, 0, 10, 10, 10, 10, 0);
    d.pdf.BeginTiling("ignored", 0, 0, 99, 99, 99, 99, 1);  // no nesting: only the flag follows
    d.pdf.SetColorFill("red");                               // dropped: the flag says uncoloured
    d.pdf.BeginTiling("ignored", 0, 0, 99, 99, 99, 99, 0);
    d.pdf.SetColorFill("red");
    d.pdf.DrawRect(0, 0, 5, 10, 5);
    d.pdf.EndTiling();
    d.pdf.EndTiling();  // none open: nothing
    d.pdf.BeginTiling(" grid", 0, 0, 10, 10, 10, 10, 1);
    d.pdf.SetColorFill("red");  // an uncoloured cell has no colours of its own
    d.pdf.DrawRect(0, 0, 10, 5, 5);
    d.pdf.EndTiling();
    d.pdf.SetColorFill("stripes");
    d.pdf.DrawRect(100, 100, 100, 100, 5);
    d.pdf.SetColorFill("grid;#0000FF");
    d.pdf.DrawRect(300, 100, 100, 100, 5);
    d.Finish();
    const Readback rb(d.path);
    EXPECT_EQ(rb.Stream(rb.Find({"/PaintType 1", "/BBox [ 0 0 10 10 ]", "/XStep 10 /YStep 10"})),
              "1 0 0 -1 0 10 cm\r1 0 0 rg\r0 0 5 10 re\rf*\r");
    EXPECT_EQ(rb.Stream(rb.Find({"/PaintType 2", "/BBox [ 0 0 10 10 ]"})), "1 0 0 -1 0 10 cm\r0 0 10 5 re\rf*\r");
    EXPECT_EQ(rb.Count("/IGNORED"), 0);
    EXPECT_TRUE(rb.Find({"/xxCSxx [ /Pattern /DeviceRGB ]"}));
    EXPECT_TRUE(Contains(rb.Content(1), "/xxCSxx cs 0 0 1 /GRID scn\r300 100 100 100 re\rf*"));
    ExpectColors(Rendered(d.path), {{102, 150, {255, 0, 0}}, {107, 150, {255, 255, 255}}, {192, 120, {255, 0, 0}},
                                    {98, 150, {255, 255, 255}}, {350, 144, {0, 0, 255}}, {350, 149, {255, 255, 255}},
                                    {350, 154, {0, 0, 255}}, {350, 99, {255, 255, 255}}});
}

}  // namespace
}  // namespace folivo::test
