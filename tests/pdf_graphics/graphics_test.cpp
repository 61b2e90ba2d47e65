// Lines, shapes, curves and how they are painted: the exact path operators, dashes, caps, joins,
// widths and transparency read back with pikepdf, where each shape leaves the current point and
// the area a link would cover, gradients and tiling patterns (their dictionaries and cells), and
// what they all paint on pages rendered by poppler.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// Draws each case on a page of its own at scale 1; what each page's drawing added.
std::vector<std::string> DrawnPages(size_t count, const std::function<void(Folivo&, size_t)>& draw) {
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    for (size_t i = 0; i < count; ++i) {
        d.pdf.SetScale(0);
        d.pdf.BeginPage();
        draw(d.pdf, i);
    }
    const Readback rb(d.Finish());
    std::vector<std::string> drawn;
    for (size_t i = 1; i <= count; ++i) drawn.push_back(Drawn(rb.Content(static_cast<int>(i))));
    return drawn;
}

struct ShapeCase {
    const char* name;
    std::function<void(Folivo&)> draw;
    const char* content;
    float curX, curY;
};

TEST(Shapes, WritePathOperatorsAndMoveTheCurrentPoint) {
    const ShapeCase cases[] = {
        {"plain rect", [](Folivo& p) { p.DrawRect(10, 20, 30, 40); }, "10 20 30 40 re\rS\r", 10, 20},
        {"square corners", [](Folivo& p) { p.DrawRect(10, 20, 30, 40, 0, 5, 0); },
         "10 20 m\r40 20 l\r40 60 l\r10 60 l\r10 20 l\rS\r", 10, 20},
        {"stadium", [](Folivo& p) { p.DrawRect(0, 0, 40, 20, 0, 50, 15); },
         "10 0 m\r30 0 l\r35.5 0 40 4.5 40 10 c\r40 10 l\r40 15.5 35.5 20 30 20 c\r10 20 l\r"
         "4.5 20 0 15.5 0 10 c\r0 10 l\r0 4.5 4.5 0 10 0 c\rS\r", 0, 0},
        {"one round corner", [](Folivo& p) { p.DrawRect(0, 0, 40, 20, 2, 4, 0x104); },
         "0 0 m\r40 0 l\r40 16 l\r40 18.2 38.2 20 36 20 c\r0 20 l\r0 0 l\rh S\r", 0, 0},
        {"ellipse", [](Folivo& p) { p.DrawEllipse(100, 100, 20, 10); },
         "120 100 m\r120 94.477 111.046 90 100 90 c\r88.954 90 80 94.477 80 100 c\r"
         "80 105.523 88.954 110 100 110 c\r111.046 110 120 105.523 120 100 c\rS\r", 100, 100},
        {"square polygon", [](Folivo& p) { p.DrawPolygon(50, 50, 10, 4); },
         "60 50 m\r50 60 l\r40 50 l\r50 40 l\rh S\r", 50, 50},
        {"reversed polygon", [](Folivo& p) { p.DrawPolygon(50, 50, 10, -4, 5); },
         "40 50 m\r50 40 l\r60 50 l\r50 60 l\rf*\r", 50, 50},
        {"pie by fill", [](Folivo& p) { p.DrawArc(100, 100, 10, 0, 90, 1, false, 45, 4); },
         "100 100 m\r110 100 l\r107.071 107.071 l\r100 110 l\r100 100 l\rB*\r", 100, 100},
        {"open arc", [](Folivo& p) { p.DrawArc(100, 100, 10, 0, 90, 0.5f, false, 90); },
         "100 100 m\r110 100 m\r110 100 l\r100 105 l\rS\r", 100, 100},
        {"bezier", [](Folivo& p) { p.MoveTo(0, 0); p.DrawCurve(1, 1, 2, 3, 4, 5, 6); },
         "0 0 m\r1 2 3 4 5 6 c\rS\r", 5, 6},
        {"bezier v", [](Folivo& p) { p.MoveTo(0, 0); p.DrawCurve(2, 1, 2, 3, 4, 5, 6, 2); },
         "0 0 m\r1 2 3 4 v\rh S\r", 3, 4},
        {"bezier y", [](Folivo& p) { p.MoveTo(0, 0); p.DrawCurve(3, 1, 2, 3, 4); }, "0 0 m\r1 2 3 4 y\rS\r", 3, 4},
        {"unknown curve", [](Folivo& p) { p.MoveTo(7, 8); p.DrawCurve(9, 1, 2, 3, 4); }, "7 8 m\rS\r", 7, 8},
        {"line unstroked", [](Folivo& p) { p.DrawLine(1, 2, 3, 4, 1); }, "1 2 m\r3 4 l\r\r", 3, 4},
        {"line to", [](Folivo& p) { p.MoveTo(1, 1); p.DrawLineTo(5, 6, 128); }, "1 1 m\r5 6 l\rW S\r", 5, 6},
        {"polyline closed", [](Folivo& p) { p.DrawPolyline({0, 0, 10, 0, 10, 10, 7}, 2); },
         "0 0 m\r10 0 l\r10 10 l\r\rh S\r", 0, 0},
        {"polyline open", [](Folivo& p) { p.DrawPolyline({5, 5, 10, 0}, 6); }, "5 5 m\r10 0 l\r\rb*\r", 5, 5},
        {"polyline of one number", [](Folivo& p) { p.DrawPolyline({5}); }, "", 0, 0},
        {"millimetres", [](Folivo& p) { p.SetScale(2); p.DrawCircle(10, 10, 10, 7); },
         "56.693 28.346 m\r56.693 12.691 44.002 0 28.346 0 c\r12.691 0 0 12.691 0 28.346 c\r"
         "0 44.002 12.691 56.693 28.346 56.693 c\r44.002 56.693 56.693 44.002 56.693 28.346 c\rf*\r", 10, 10},
    };
    const auto drawn = DrawnPages(std::size(cases), [&](Folivo& pdf, size_t i) {
        cases[i].draw(pdf);
        EXPECT_FLOAT_EQ(pdf.GetX(), cases[i].curX) << cases[i].name;
        EXPECT_FLOAT_EQ(pdf.GetY(), cases[i].curY) << cases[i].name;
    });
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(drawn[i], cases[i].content) << cases[i].name;
}

TEST(Shapes, LastAreaIsTheShapeBoxInPdfPoints) {
    const struct {
        const char* name;
        std::function<void(Folivo&)> draw;
        Area area;
    } cases[] = {
        {"rect", [](Folivo& p) { p.DrawRect(10, 20, 30, 40); }, {10, 782, 40, 822}},
        {"line drawn backwards", [](Folivo& p) { p.DrawLine(50, 60, 10, 20); }, {10, 782, 50, 822}},
        {"ellipse", [](Folivo& p) { p.DrawEllipse(100, 100, 20, 10); }, {80, 732, 120, 752}},
        {"polyline", [](Folivo& p) { p.DrawPolyline({5, 9, 1, 30, 8, 2}); }, {1, 812, 8, 840}},
        {"arc", [](Folivo& p) { p.DrawArc(100, 100, 10, 0, 90); }, {90, 732, 110, 752}},
        {"inches", [](Folivo& p) { p.SetScale(1); p.DrawPolygon(1, 1, 1, 6); }, {0, 698, 144, 842}},
        {"line to keeps it", [](Folivo& p) { p.DrawRect(0, 0, 1, 1); p.DrawLineTo(300, 300); }, {0, 841, 1, 842}},
    };
    for (const auto& c : cases) {
        Folivo pdf;
        c.draw(pdf);  // no document: drawing is dropped, the area is still kept
        const Area& a = pdf.LastArea();
        EXPECT_THAT((std::array{a.x1, a.y1, a.x2, a.y2}),
                    ::testing::Pointwise(::testing::FloatEq(), std::array{c.area.x1, c.area.y1, c.area.x2, c.area.y2}))
            << c.name;
    }
}

TEST(Shapes, BadArgumentsFailBeforeWritingAndShapesPaintWhereTheyAreDrawn) {
    Doc d;
    d.Open();
    const struct {
        const char* name;
        std::function<void()> call;
        int32_t number;
    } cases[] = {
        {"polygon of no sides", [&] { d.pdf.DrawPolygon(50, 50, 10, 0); }, kErrDivisionByZero},
        {"arc step 0", [&] { d.pdf.DrawArc(50, 50, 10, 0, 90, 1, false, 0.4f); }, kErrInvalidCall},
        {"arc step beyond an Integer", [&] { d.pdf.DrawArc(50, 50, 10, 0, 90, 1, false, 40000); }, 6},
        {"arc of a billion points", [&] { d.pdf.DrawArc(50, 50, 10, 0, 1e9f, 1, false, 1); }, kErrInvalidCall},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.call).number(), c.number) << c.name;
    d.pdf.DrawArc(50, 50, 10, 1e8f, 1e8f + 100, 1, false, 1);  // the angle stops moving: ends, no hang
    // Then shapes that paint where they are drawn.
    d.pdf.SetColorFill("red");
    d.pdf.DrawRect(10, 10, 40, 20, 5, 8, 15);
    d.pdf.SetColorFill("blue");
    d.pdf.DrawEllipse(150, 50, 40, 20, 5);
    d.pdf.SetColorFill("lime");
    d.pdf.DrawArc(100, 150, 40, 0, 90, 1, false, 5, 5);  // quarter below and right of the centre
    d.pdf.SetColorLine("#0000FF");
    d.pdf.SetLineWidth(6);
    d.pdf.DrawLine(20, 250, 200, 250);
    ExpectColors(Rendered(d.Finish()), {{30, 20, {255, 0, 0}},    {11, 11, {255, 255, 255}},  // a rounded corner stays white
                                        {150, 50, {0, 0, 255}},   {185, 35, {255, 255, 255}},  // the ellipse box corner
                                        {115, 165, {0, 255, 0}},  {115, 135, {255, 255, 255}}, {85, 165, {255, 255, 255}},
                                        {100, 250, {0, 0, 255}},  {100, 255, {255, 255, 255}}}, 3);
    EXPECT_EQ(Drawn(PageContent(d.path)).substr(0, 8), "50 50 m\r") << "nothing before the big-angle arc";
}

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
    const auto drawn = DrawnPages(std::size(cases), [&](Folivo& pdf, size_t i) { cases[i].set(pdf); });
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(drawn[i], cases[i].content) << cases[i].name;
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
