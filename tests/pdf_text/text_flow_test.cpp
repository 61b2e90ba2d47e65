// Flowing text and text boxes in a real file: line positions read back with pdftotext -bbox,
// operators with pikepdf, every file checked by qpdf.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// Courier 10 pt: 6 points a character, lines 11.33 points apart, descent 3 points.
constexpr double kLine = 11.33;

const std::string kSixWords = "aaaa bbbb cccc dddd eeee ffff";

// The box of a word whose left edge is past `xFrom`; fails the test when there is none.
WordBox WordAfter(const std::vector<WordBox>& boxes, const std::string& word, double xFrom) {
    std::vector<WordBox> right;
    std::copy_if(boxes.begin(), boxes.end(), std::back_inserter(right), [&](const WordBox& b) { return b.xMin > xFrom; });
    return FindWord(right, word);
}

TEST(TextBoxPdf, WrapsWordsIntoLinesAtTheBoxEdge) {
    Doc d;
    EXPECT_EQ(d.Page().DrawTextBox(50, 100, 100, 0, kSixWords, 0, 1, 1), "");
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 50);
    EXPECT_NEAR(d.pdf.GetY(), 100 + 2 * kLine, 1e-3);
    d.pdf.DrawTextBox(300, 100, 100, 0, kSixWords, 0, 2, 1);  // right
    d.pdf.DrawTextBox(50, 300, 100, 0, kSixWords, 0, 64, 1);  // justified
    const auto boxes = WordBoxes(d.Finish());
    const auto a = FindWord(boxes, "aaaa");
    const auto c = FindWord(boxes, "cccc");
    const auto dd = FindWord(boxes, "dddd");
    // "aaaa bbbb cccc" is 84 points; " dddd" would make 114 > 100.
    EXPECT_NEAR(a.xMin, 50, 0.3);
    EXPECT_NEAR(c.xMax, 134, 0.3);
    EXPECT_NEAR(c.yMin, a.yMin, 0.01);
    EXPECT_NEAR(dd.xMin, 50, 0.3);
    EXPECT_NEAR(dd.yMin - a.yMin, kLine, 0.05);
    // The first baseline is one line below the top, raised by the descent: glyph boxes reach
    // below it and stay inside the first line.
    EXPECT_GT(a.yMax, 100 + kLine - 3 - 0.5);
    EXPECT_LT(a.yMax, 100 + kLine + 0.5);
    // Right-aligned lines end at the box edge.
    EXPECT_NEAR(WordAfter(boxes, "ffff", 300).xMax, 400, 0.3);
    // Justified: the first line reaches the edge; the paragraph's last line stays left-aligned.
    ExpectContains(PageContent(d.path), {"8 Tw (aaaa bbbb cccc) Tj 0 Tw", "(dddd eeee ffff) Tj\r"});
}

TEST(TextBoxPdf, AFullBoxReturnsTheRestAndTheNextBoxContinuesIt) {
    Doc d;
    // Room for two lines; the first line of a paragraph is indented by 20 points.
    const std::string rest = d.Page().DrawTextBox(50, 100, 100, 25, kSixWords + "\r\nnext", 20, 1, 0);
    d.pdf.DrawTextBox(300, 100, 100, 0, rest, 20, 1, 0);
    // The indent counts on the first line: "aaaa bbbb" (20 + 54), then "cccc dddd eeee" (84).
    EXPECT_EQ(rest, std::string("\0ffff\r\nnext", 11));
    const auto boxes = WordBoxes(d.Finish());
    EXPECT_NEAR(FindWord(boxes, "aaaa").xMin, 70, 0.3);  // indented paragraph start
    EXPECT_NEAR(FindWord(boxes, "cccc").xMin, 50, 0.3);
    EXPECT_NEAR(FindWord(boxes, "ffff").xMin, 300, 0.3);  // continuation: not indented
    EXPECT_NEAR(FindWord(boxes, "next").xMin, 320, 0.3);  // a new paragraph is
    ExpectContains(PageContent(d.path), {"50 100 100 25 re\rS\r", "300 100 100 0 re\rS\r"});  // outlined boxes
}

TEST(TextBoxPdf, VerticalAlignmentPlacesTheBlockAndShrinkAndFitScaleTheLine) {
    Doc d;
    d.Page().DrawTextBox(50, 100, 100, 100, kSixWords, 0, 16, 1);    // bottom
    d.pdf.DrawTextBox(300, 100, 100, 100, "aaaa bbbb cccc", 0, 32, 1);  // middle
    d.pdf.DrawTextBox(450, 300, 60, 0, "aaaa bbbb cccc", 0, 128, 1);  // 84 points into 60
    d.pdf.DrawTextBox(50, 400, 120, 0, "aaaa bbbb", 0, 256, 1);       // 54 points into 120
    d.pdf.DrawTextBox(50, 500, 120, 0, "aaaa bbbb", 0, 128, 1);       // short: not shrunk
    // Bottom: the last baseline is the box bottom raised by the descent (200 - 3).
    // Middle, one line: (100 + 50) + 11.33 / 2 - 3.
    ExpectContains(PageContent(d.Finish()),
                   {"1 0 0 -1 50 197 Tm\r(dddd eeee ffff) Tj", "1 0 0 -1 300 152.665 Tm", "71.429 Tz (aaaa bbbb cccc) Tj 100 Tz",
                    "222.222 Tz (aaaa bbbb) Tj  100 Tz", "Tm\r(aaaa bbbb) Tj\r"});
    EXPECT_NEAR(WordAfter(WordBoxes(d.path), "cccc", 400).xMax, 510, 0.5);
}

TEST(FlowingText, WriteTextContinuesTheLineWithSuperAndSubscripts) {
    Doc d;
    d.Page().SetXY(50, 300);
    d.pdf.WriteText("Base");
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 74);
    d.pdf.WriteText("up", 1, 50);
    d.pdf.WriteText("dn", 2, 50);
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 86);
    EXPECT_FLOAT_EQ(d.pdf.GetY(), 300);
    d.pdf.WriteTextLn("End");
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 0);
    EXPECT_NEAR(d.pdf.GetY(), 300 + kLine, 1e-3);
    d.pdf.WriteTextLn("");  // blank: X back to 0, Y stays
    EXPECT_NEAR(d.pdf.GetY(), 300 + kLine, 1e-3);
    d.pdf.WriteTextLn("Next");
    // Half-size runs: the superscript sits higher than the base line, the subscript lower.
    ExpectContains(PageContent(d.Finish()), {"/CourierNew 5 Tf 5 TL\r1 0 0 -1 74 295.835 Tm\r(up) Tj",
                                             "/CourierNew 5 Tf 5 TL\r1 0 0 -1 80 304.5 Tm\r(dn) Tj",
                                             "/CourierNew 10 Tf 10 TL\r1 0 0 -1 86 300 Tm\r(End) Tj"});
    const auto boxes = WordBoxes(d.path);
    const auto base = FindWord(boxes, "Base");
    const auto next = FindWord(boxes, "Next");
    EXPECT_NEAR(base.xMin, 50, 0.3);
    EXPECT_NEAR(next.xMin, 0, 0.3);
    EXPECT_NEAR(next.yMin - base.yMin, kLine, 0.05);
}

}  // namespace
}  // namespace folivo::test
