// Flowing text and text boxes in a real file: line positions read back with pdftotext -bbox,
// operators with pikepdf, every file checked by qpdf.

#include <gtest/gtest.h>

#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// Courier 10 pt: 6 points a character, lines 11.33 points apart, descent 3 points.
constexpr double kLine = 11.33;

// Writes one page in Courier 10 with what `draw` does; returns the file, checked by qpdf.
std::filesystem::path CourierPage(Doc& d, const std::function<void(Folivo&)>& draw) {
    d.pdf.BeginDoc(d.path.string());
    d.pdf.BeginPage();
    d.pdf.SetFont("Courier", 10);
    draw(d.pdf);
    return d.Finish();
}

const std::string kSixWords = "aaaa bbbb cccc dddd eeee ffff";

TEST(TextBoxPdf, WrapsWordsIntoLinesAtTheBoxEdge) {
    Doc d;
    std::string rest = "unset";
    const auto file = CourierPage(d, [&](Folivo& pdf) {
        rest = pdf.DrawTextBox(50, 100, 100, 0, kSixWords, 0, 1, 1);
        EXPECT_FLOAT_EQ(pdf.GetX(), 50);
        EXPECT_NEAR(pdf.GetY(), 100 + 2 * kLine, 1e-3);
        pdf.DrawTextBox(300, 100, 100, 0, kSixWords, 0, 2, 1);  // right
        pdf.DrawTextBox(50, 300, 100, 0, kSixWords, 0, 64, 1);  // justified
    });
    EXPECT_EQ(rest, "");
    const auto boxes = WordBoxes(file);
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
    bool rightSeen = false;
    for (const auto& box : boxes) {
        if (box.word == "ffff" && box.xMin > 300) {
            rightSeen = true;
            EXPECT_NEAR(box.xMax, 400, 0.3);
        }
    }
    EXPECT_TRUE(rightSeen);

    // Justified: the first line reaches the edge; the paragraph's last line stays left-aligned.
    const std::string content = PageContent(file);
    EXPECT_TRUE(Contains(content, "8 Tw (aaaa bbbb cccc) Tj 0 Tw")) << content;
    EXPECT_TRUE(Contains(content, "(dddd eeee ffff) Tj\r")) << content;
}

TEST(TextBoxPdf, VerticalAlignmentPlacesTheBlockInTheBox) {
    Doc d;
    const auto file = CourierPage(d, [](Folivo& pdf) {
        pdf.DrawTextBox(50, 100, 100, 100, kSixWords, 0, 16, 1);        // bottom
        pdf.DrawTextBox(300, 100, 100, 100, "aaaa bbbb cccc", 0, 32, 1);  // middle
    });
    const auto content = PageContent(file);
    // Bottom: the last baseline is the box bottom raised by the descent (200 - 3).
    EXPECT_TRUE(Contains(content, "1 0 0 -1 50 197 Tm\r(dddd eeee ffff) Tj")) << content;
    // Middle, one line: (100 + 50) + 11.33 / 2 - 3.
    EXPECT_TRUE(Contains(content, "1 0 0 -1 300 152.665 Tm")) << content;
}

TEST(TextBoxPdf, AFullBoxReturnsTheRestAndTheNextBoxContinuesIt) {
    Doc d;
    std::string rest;
    const auto file = CourierPage(d, [&](Folivo& pdf) {
        // Room for two lines; the first line of a paragraph is indented by 20 points.
        rest = pdf.DrawTextBox(50, 100, 100, 25, kSixWords + "\r\nnext", 20, 1, 0);
        pdf.DrawTextBox(300, 100, 100, 0, rest, 20, 1, 0);
    });
    // The indent counts on the first line: "aaaa bbbb" (20 + 54), then "cccc dddd eeee" (84).
    EXPECT_EQ(rest, std::string("\0ffff\r\nnext", 11));
    const auto boxes = WordBoxes(file);
    EXPECT_NEAR(FindWord(boxes, "aaaa").xMin, 70, 0.3);  // indented paragraph start
    EXPECT_NEAR(FindWord(boxes, "cccc").xMin, 50, 0.3);
    EXPECT_NEAR(FindWord(boxes, "ffff").xMin, 300, 0.3);  // continuation: not indented
    EXPECT_NEAR(FindWord(boxes, "next").xMin, 320, 0.3);  // a new paragraph is
    const auto content = PageContent(file);
    EXPECT_TRUE(Contains(content, "50 100 100 25 re\rS\r")) << content;  // outlined boxes
    EXPECT_TRUE(Contains(content, "300 100 100 0 re\rS\r")) << content;
}

TEST(TextBoxPdf, ShrinkAndFitScaleTheLineToTheWidth) {
    Doc d;
    const auto file = CourierPage(d, [](Folivo& pdf) {
        pdf.DrawTextBox(50, 100, 60, 0, "aaaa bbbb cccc", 0, 128, 1);  // 84 points into 60
        pdf.DrawTextBox(50, 200, 120, 0, "aaaa bbbb", 0, 256, 1);      // 54 points into 120
        pdf.DrawTextBox(50, 300, 120, 0, "aaaa bbbb", 0, 128, 1);      // short: not shrunk
    });
    const auto content = PageContent(file);
    EXPECT_TRUE(Contains(content, "71.429 Tz (aaaa bbbb cccc) Tj 100 Tz")) << content;
    EXPECT_TRUE(Contains(content, "222.222 Tz (aaaa bbbb) Tj  100 Tz")) << content;
    EXPECT_TRUE(Contains(content, "Tm\r(aaaa bbbb) Tj\r")) << content;
    const auto boxes = WordBoxes(file);
    for (const auto& box : boxes) {
        if (box.word == "cccc") {
            EXPECT_NEAR(box.xMax, 110, 0.5);
        }
    }
}

TEST(FlowingText, WriteTextContinuesTheLineWithSuperAndSubscripts) {
    Doc d;
    const auto file = CourierPage(d, [](Folivo& pdf) {
        pdf.SetXY(50, 300);
        pdf.WriteText("Base");
        EXPECT_FLOAT_EQ(pdf.GetX(), 74);
        pdf.WriteText("up", 1, 50);
        pdf.WriteText("dn", 2, 50);
        EXPECT_FLOAT_EQ(pdf.GetX(), 86);
        EXPECT_FLOAT_EQ(pdf.GetY(), 300);
        pdf.WriteTextLn("End");
        EXPECT_FLOAT_EQ(pdf.GetX(), 0);
        EXPECT_NEAR(pdf.GetY(), 300 + kLine, 1e-3);
        pdf.WriteTextLn("");  // blank: X back to 0, Y stays
        EXPECT_NEAR(pdf.GetY(), 300 + kLine, 1e-3);
        pdf.WriteTextLn("Next");
    });
    const auto boxes = WordBoxes(file);
    const auto base = FindWord(boxes, "Base");
    const auto next = FindWord(boxes, "Next");
    const auto content = PageContent(file);
    // Half-size runs: the superscript sits higher than the base line, the subscript lower.
    EXPECT_TRUE(Contains(content, "/CourierNew 5 Tf 5 TL\r1 0 0 -1 74 295.835 Tm\r(up) Tj"))
        << content;
    EXPECT_TRUE(Contains(content, "/CourierNew 5 Tf 5 TL\r1 0 0 -1 80 304.5 Tm\r(dn) Tj"))
        << content;
    EXPECT_TRUE(Contains(content, "/CourierNew 10 Tf 10 TL\r1 0 0 -1 86 300 Tm\r(End) Tj"))
        << content;
    EXPECT_NEAR(base.xMin, 50, 0.3);
    EXPECT_NEAR(next.xMin, 0, 0.3);
    EXPECT_NEAR(next.yMin - base.yMin, kLine, 0.05);
}

TEST(FlowingText, FontObjectPrecedesThePageThatUsesIt) {
    Doc d;
    const auto file = CourierPage(d, [](Folivo& pdf) { pdf.DrawText(10, 20, "x"); });
    const std::string bytes = kv::test::ReadFile(file);
    const size_t font = bytes.find("\n4 0 obj\n<< /Type /Font /Subtype /Type1 /Name /CourierNew ");
    const size_t page = bytes.find("\n5 0 obj\n<< /Type /Page ");
    ASSERT_NE(font, std::string::npos) << bytes;
    ASSERT_NE(page, std::string::npos) << bytes;
    EXPECT_LT(font, page);
    EXPECT_TRUE(Contains(bytes, "/Font <</CourierNew 4 0 R >>")) << bytes;
}

}  // namespace
}  // namespace folivo::test
