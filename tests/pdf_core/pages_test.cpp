// Pages: paper sizes, boxes, rotation, units, margins and the axis transforms.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// A document opened on a fixed-clock host; Facts ends it and reads it back.
struct Written : Doc {
    Written() { pdf.BeginDoc(path.string()); }
    Readback Facts() { return Readback(Finish()); }
};

TEST(PaperSizes, EveryCodeGivesItsBoxesAndUnknownCodesChangeNothing) {
    Written w;
    const char* expected[] = {
        "0 0 2384 3371", "0 0 3371 2384", "0 0 1685 2384", "0 0 2384 1685", "0 0 1192 1685",
        "0 0 1685 1192", "0 0 842 1192",  "0 0 1192 842",  "0 0 596 842",   "0 0 842 596",
        "0 0 421 596",   "0 0 596 421",   "0 0 298 421",   "0 0 421 298",   "0 0 210 298",
        "0 0 298 210",   "0 0 612 792",   "0 0 792 612",   "0 0 792 1224",  "0 0 1224 792",
        "0 0 612 1008",  "0 0 1008 612",  "0 0 396 612",   "0 0 612 396",   "0 0 522 756",
        "0 0 756 522"};
    for (int32_t code = -8; code <= 17; ++code) {
        w.pdf.SetPaperSize(code);
        w.pdf.SetPaperSize(18);  // ignored
        w.pdf.SetPaperSize(-9);  // ignored
        w.pdf.BeginPage();
        w.pdf.EndPage();
    }
    w.pdf.SetScale(3);
    w.pdf.BeginPage();
    w.pdf.SetPaperSize(255, 10, 5);  // centimetres; the open page's boxes are written at EndPage
    w.pdf.EndPage();
    const auto facts = w.Facts();
    for (int page = 1; page <= 26; ++page) {
        const std::string box = std::string(" [ ") + expected[page - 1] + " ]";
        ExpectContains(facts.Page(page), {"/MediaBox" + box, "/CropBox" + box, "/BleedBox" + box});
    }
    EXPECT_TRUE(Contains(facts.Page(27), "/MediaBox [ 0 0 283.465 141.732 ]")) << facts.Page(27);
}

TEST(PageRotation, DefaultRotationForLaterPagesOrOnlyTheOpenOne) {
    Written w;
    w.pdf.SetPageView(1);
    w.pdf.BeginPage();  // 270
    w.pdf.BeginPage();
    w.pdf.SetPageView(2);  // this page only: 180
    w.pdf.BeginPage();     // back to the default, 270
    w.pdf.EndPage();
    w.pdf.SetPageView(5);  // unknown code: no /Rotate
    w.pdf.BeginPage();
    w.pdf.EndPage();
    w.pdf.SetPageView(3);
    w.pdf.BeginPage();  // 90
    const auto facts = w.Facts();
    const char* rotations[] = {"/Rotate 270 ", "/Rotate 180 ", "/Rotate 270 ", "", "/Rotate 90 "};
    for (int page = 1; page <= 5; ++page) {
        EXPECT_TRUE(Contains(facts.Page(page), rotations[page - 1])) << facts.Page(page);
    }
    EXPECT_FALSE(Contains(facts.Page(4), "/Rotate"));
}

TEST(PageCoordinates, MillimetresWithMarginsMoveTheOrigin) {
    Written w;
    w.pdf.SetScale(2);
    w.pdf.SetMargins(10, 10, 10, 10);
    w.pdf.SetPaperSize(0);
    EXPECT_NEAR(w.pdf.GetPageWidth(true), 190.25, 0.01);
    EXPECT_NEAR(w.pdf.GetPageHeight(false), 842 / 2.8346455, 1e-3);
    w.pdf.BeginPage();
    w.pdf.MoveTo(0, 0);
    w.pdf.SetFont("Courier", 12);
    w.pdf.DrawText(0, 5, "Origin");
    w.pdf.BeginPage();
    const auto facts = w.Facts();
    for (int page : {1, 2}) EXPECT_TRUE(facts.Content(page).starts_with("1 0 0 -1 28.346 813.654 cm \r")) << page;
    EXPECT_NE(facts.Content(1).find("\r0 0 m\r"), std::string::npos);
    // Outside judge: the word starts 10 mm from the left edge, its baseline 15 mm from the top.
    const auto box = FindWord(WordBoxes(w.path), "Origin");
    EXPECT_NEAR(box.xMin, 28.346, 0.05);
    EXPECT_NEAR(box.yMax, 15 * 2.8346455, 4.0);
}

TEST(PageCoordinates, ClippingToTheMarginsAddsARectangle) {
    Written w;
    w.pdf.SetMargins(20, 30, 40, 50, true);
    w.pdf.BeginPage();
    const auto facts = w.Facts();
    EXPECT_TRUE(facts.Content(1).starts_with("1 0 0 -1 20 802 cm \r0 0 546 752 re W n\r0 0 0 rg\r"));
}

TEST(PageCoordinates, ScaleModesAndTheCurrentPointWithoutAPage) {
    Folivo pdf;
    const std::pair<int32_t, float> modes[] = {{1, 72}, {2, 2.8346455f}, {3, 28.346457f}, {0, 1}};
    for (const auto& [mode, pointsPerUnit] : modes) {
        pdf.SetScale(mode);
        EXPECT_NEAR(pdf.GetPageWidth(false), 596 / pointsPerUnit, 1e-3) << mode;
    }
    pdf.MoveTo(12.5f, 7.25f);  // nothing written, the point still moves
    EXPECT_FLOAT_EQ(pdf.GetX() + pdf.GetY(), 19.75f);
    pdf.SetScale(255, 10);
    pdf.SetScale(4);    // unknown mode: ignored
    pdf.SetScale(255);  // no factor: ignored
    EXPECT_FLOAT_EQ(pdf.GetPageWidth(false), 59.6f);
}

}  // namespace
}  // namespace folivo::test
