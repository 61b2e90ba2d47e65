// Text drawn through Folivo, read back by outside tools: fonts, styles and sizes by pdftotext,
// font objects and content operators by pikepdf, every file checked by qpdf.

#include <gtest/gtest.h>

#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

TEST(TextOutput, EveryStandardFaceAndSizeReadsBack) {
    Doc d;
    d.Open();
    const char* families[] = {"Times New Roman", "Arial", "Courier New", "Times", "Helvetica", "Courier"};
    const char* styles[] = {"Regular", "Bold", "Italic", "BoldItalic"};
    std::vector<std::string> words;
    for (int f = 0; f < 6; ++f) {
        for (int style = 0; style < 4; ++style) {
            for (int size : {8, 20}) {
                words.push_back("F" + std::to_string(f) + styles[style] + std::to_string(size));
                d.pdf.SetFont(families[f], static_cast<float>(size), style);
                d.pdf.DrawText(size == 8 ? 30.0f : 300.0f, 30.0f + 24 * (f * 4 + style), words.back());
            }
        }
    }
    const std::string text = kv::test::PdfToText(d.Finish());
    for (const auto& word : words) EXPECT_TRUE(Contains(text, word)) << word << " missing from:\n" << text;
    // Twelve faces: the aliases share the records of Times New Roman, Arial and Courier New.
    const Readback rb(d.path);
    EXPECT_EQ(rb.Count("/Subtype /Type1 /Type /Font"), 12);
    EXPECT_TRUE(rb.Find({"/BaseFont /TimesNewRoman,BoldItalic /Encoding << /BaseEncoding /WinAnsiEncoding"}));
    EXPECT_TRUE(rb.Find({"/BaseFont /CourierNew,Italic /Encoding << /BaseEncoding /WinAnsiEncoding"}));
    // A bigger size draws bigger glyphs.
    const auto boxes = WordBoxes(d.path);
    const auto small = FindWord(boxes, "F1Regular8");
    const auto big = FindWord(boxes, "F1Regular20");
    EXPECT_NEAR((big.yMax - big.yMin) / (small.yMax - small.yMin), 2.5, 0.01);
}

TEST(TextOutput, FontObjectsAreWrittenOnceAndSymbolFontsKeepTheirEncoding) {
    Doc d;
    d.pdf.SetFont("Helvetica", 9);  // before the file is open: written at the end
    d.Open();
    d.pdf.SetFont("Times New Roman", 12, 3);
    d.pdf.DrawText(50, 50, "first");
    d.pdf.SetFont("Arial", 0, 0, 1);  // size 0 keeps 12; Mac Roman encoding
    d.pdf.DrawText(50, 80, "mac");
    d.pdf.SetFont("Arial", 0, 0, 0);  // the same family back in Windows ANSI, at the same size
    d.pdf.DrawText(50, 95, "ansi");
    d.pdf.SetFont("TIMESNEWROMAN", 0, 3);  // the same record again
    d.pdf.DrawText(50, 110, "again");
    d.pdf.SetFont("Symbol", 10, 1);
    d.pdf.DrawText(50, 140, "abg");
    d.pdf.SetFont("ZapfDingbats", 10);
    d.pdf.DrawText(50, 170, "3");
    d.pdf.SetFont("My (Odd) Font", 10, 1);  // not standard: Arial metrics, name kept, no suffix
    d.pdf.DrawText(50, 200, "odd");
    EXPECT_FLOAT_EQ(d.pdf.TextLength("A"), 7.22f);
    EXPECT_THROW(d.pdf.SetFont(" ", 10), Error);
    d.Finish();

    const Readback rb(d.path);
    EXPECT_EQ(rb.Count("/BaseFont /TimesNewRoman,BoldItalic "), 1);
    for (const char* font : {"/BaseFont /Arial /Encoding << /BaseEncoding /MacRomanEncoding", "/BaseFont /Symbol /FirstChar",
                             "/BaseFont /ZapfDingbats /FirstChar", "/BaseFont /Arial /Encoding << /BaseEncoding /WinAnsi",
                             "/BaseFont /My#28Odd#29Font /Encoding << /BaseEncoding /WinAnsi"}) {
        EXPECT_TRUE(rb.Find({font})) << font;
    }
    ExpectContains(rb.Object(Readback::Ref(rb.Page(1), "/Resources")),
                   {"/Font << /Arial ", " /MACArial ", " /My#28Odd#29Font ", " /Symbol ", " /TimesNewRoman,BoldItalic ",
                    " /ZapfDingbats "});
    ExpectContains(rb.Content(1),
                   {"/TimesNewRoman,BoldItalic 12 Tf 12 TL", "/MACArial 12 Tf 12 TL", "/Arial 12 Tf 12 TL", "/Symbol 10 Tf"});
    // Symbol's own codes: a b g are alpha, beta, gamma.
    EXPECT_TRUE(Contains(Utf8Text(d.path), "\xCE\xB1\xCE\xB2\xCE\xB3"));
}

TEST(TextOutput, MeasuresWithTheSelectedFontAndScale) {
    Folivo pdf;
    EXPECT_EQ(pdf.TextLength("AA"), 0);  // no font selected
    EXPECT_EQ(pdf.TextHeight(), 0);
    pdf.SetFont("Arial");  // no size given yet: 10 points
    EXPECT_FLOAT_EQ(pdf.TextLength("AA"), 13.34f);
    EXPECT_FLOAT_EQ(pdf.TextLength("\x80\xE8"), 11.12f);  // Euro and e grave by their own codes
    EXPECT_FLOAT_EQ(pdf.TextHeight(), 12.21f);
    pdf.SetFont("Arial", 0, 1);
    EXPECT_FLOAT_EQ(pdf.TextLength("AA"), 14.44f);
    pdf.SetFont("Courier", 12);
    pdf.SetScale(3);  // centimetres
    EXPECT_NEAR(pdf.TextLength("abcde"), 36 / 28.346457f, 1e-5);
    pdf.SetScale(0);
    pdf.SetCharSpacing(1);
    pdf.SetWordSpacing(4);
    pdf.SetTextHorizontalScaling(50);
    EXPECT_FLOAT_EQ(pdf.TextLength("a b"), (21.6f + 4 + 3) / 2);
    pdf.SetFontSize(24);
    EXPECT_FLOAT_EQ(pdf.TextHeight(), 1133 * 24 / 1000.0f);
}

TEST(TextOutput, TextMembersWithoutAFontFailClearlyAndTheDocumentStillCloses) {
    Doc d;
    d.Open();
    const std::string message = ErrorOf([&] { d.pdf.DrawText(10, 10, "text"); }).what();
    EXPECT_TRUE(Contains(message, "SetFont")) << message;
    EXPECT_THROW(d.pdf.WriteTextLn("line"), Error);
    EXPECT_THROW(d.pdf.DrawTextBox(10, 10, 100, 100, "box"), Error);
    // Blank text needs no font: it only moves the current point.
    d.pdf.SetXY(30, 40);
    EXPECT_NO_THROW(d.pdf.WriteTextLn("   "));
    EXPECT_EQ(d.pdf.GetX(), 0);
    EXPECT_EQ(d.pdf.GetY(), 40);
    d.Finish();
}

TEST(TextOutput, AlignmentsLinesAndSpacingLandWhereAsked) {
    Doc d;
    d.Page().DrawText(300, 100, "RightEnd", 10);  // 10 modulo 8 = 2: ends at X
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 348);        // X + length, not the drawn end
    d.pdf.DrawText(300, 150, "Centred", 4);
    d.pdf.SetFont("Courier", 10, 4 | 16);  // underline and strike-through
    d.pdf.DrawText(100, 200, "Lined");
    d.pdf.SetFont("Arial", 12);  // Windows-1252 bytes reach the file as single bytes
    d.pdf.DrawText(40, 60, "Citt\xE0 Caff\xE8 \x80 12 (note) back\\slash");
    d.pdf.SetFont("Times", 11);
    d.pdf.SetCharSpacing(0.5f);
    d.pdf.SetWordSpacing(2);
    d.pdf.SetTextHorizontalScaling(90);
    d.pdf.SetTextMode(1);
    EXPECT_THROW(d.pdf.SetTextMode(70000), Error);
    d.pdf.DrawText(20, 400, "Spaced words");
    d.Finish();

    const auto boxes = WordBoxes(d.path);
    EXPECT_NEAR(FindWord(boxes, "RightEnd").xMax, 300, 0.5);
    const auto centred = FindWord(boxes, "Centred");
    EXPECT_NEAR((centred.xMin + centred.xMax) / 2, 300, 0.5);
    ExpectContains(Utf8Text(d.path), {"Spaced words", "Citt\xC3\xA0 Caff\xC3\xA8 \xE2\x82\xAC 12 (note) back\\slash"});

    // Underline at 1.25 and strike-through at -3 below and above the baseline; no overline.
    const std::string content = PageContent(d.path);
    ExpectContains(content, {"1 0 0 -1 252 100 Tm\r(RightEnd) Tj", "0.625 w 1 0 0 1 100 200 cm\r",
                             "0 1.25 m 30 1.25 l S\r", "0 -3 m 30 -3 l S\r", "0.5 Tc\r2 Tw\r90 Tz\r1 Tr\r",
                             "(Citt\xE0 Caff\xE8 \x80 12 \\(note\\) back\\\\slash) Tj"});
    EXPECT_FALSE(Contains(content, "0 -8 m")) << content;
}

}  // namespace
}  // namespace folivo::test
