// Lines, shapes and curves: the exact path operators read back with pikepdf, where each shape
// leaves the current point and the area a link would cover, and what they paint by poppler.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

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
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    for (const auto& c : cases) {
        d.pdf.SetScale(0);
        d.pdf.BeginPage();
        c.draw(d.pdf);
        EXPECT_FLOAT_EQ(d.pdf.GetX(), c.curX) << c.name;
        EXPECT_FLOAT_EQ(d.pdf.GetY(), c.curY) << c.name;
    }
    d.Finish();
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Drawn(PageContent(d.path, static_cast<int>(i) + 1)), cases[i].content) << cases[i].name;
    }
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

TEST(Shapes, BadArgumentsFailBeforeWriting) {
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
    d.Finish();
    EXPECT_EQ(Drawn(PageContent(d.path)).substr(0, 8), "50 50 m\r") << "nothing before the big-angle arc";
}

TEST(Shapes, PaintWhereTheyAreDrawn) {
    Doc d;
    d.Open();
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
}

}  // namespace
}  // namespace folivo::test
