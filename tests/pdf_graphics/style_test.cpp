// Dashes, caps, joins, widths and transparency: the operators in the page content read back with
// pikepdf, the transparency states from the shared resources, and a half-transparent fill by poppler.

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
    d.pdf.BeginDoc(d.path.string());
    d.pdf.BeginPage();
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

}  // namespace
}  // namespace folivo::test
