// Text drawn through Folivo, read back by outside tools: fonts, styles and sizes by pdftotext,
// font objects and content operators by pikepdf, every file checked by qpdf.

#include <gtest/gtest.h>

#include <string>

#include "pdf/folivo.hpp"
#include "tests/pdf_text/pdf_readback.hpp"
#include "tests/support/test_support.hpp"

namespace {

using folivo::Folivo;
using namespace kv::test::pdftext;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(TextOutput, EveryStandardFaceAndSizeReadsBack) {
    kv::test::TempDir dir("faces");
    const auto file = dir / "faces.pdf";
    Folivo pdf;
    pdf.BeginDoc(file.string());
    pdf.BeginPage();
    const char* families[] = {"Times New Roman", "Arial", "Courier New", "Times", "Helvetica",
                              "Courier"};
    const char* styles[] = {"Regular", "Bold", "Italic", "BoldItalic"};
    const float sizes[] = {8, 12, 20};
    float y = 30;
    for (int f = 0; f < 6; ++f) {
        for (int style = 0; style < 4; ++style) {
            for (int s = 0; s < 3; ++s) {
                pdf.SetFont(families[f], sizes[s], style);
                const std::string word =
                    "F" + std::to_string(f) + styles[style] + std::to_string(int(sizes[s]));
                pdf.DrawText(30 + 180 * s, y, word);
            }
            y += 24;
        }
    }
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(file);

    const std::string text = kv::test::PdfToText(file);
    for (int f = 0; f < 6; ++f) {
        for (const char* style : styles) {
            for (int size : {8, 12, 20}) {
                const std::string word = "F" + std::to_string(f) + style + std::to_string(size);
                EXPECT_TRUE(Contains(text, word)) << word << " missing from:\n" << text;
            }
        }
    }
    // Twelve faces: the aliases share the records of Times New Roman, Arial and Courier New.
    const std::string fonts = FontSummary(file);
    EXPECT_EQ(Count(fonts, "|Type1|"), 12) << fonts;
    EXPECT_TRUE(Contains(fonts, "TimesNewRoman,BoldItalic|Type1|TimesNewRoman,BoldItalic|WinAnsiEncoding"))
        << fonts;
    EXPECT_TRUE(Contains(fonts, "CourierNew,Italic|Type1|CourierNew,Italic|WinAnsiEncoding")) << fonts;
    EXPECT_TRUE(Contains(fonts, "Arial|Type1|Arial|WinAnsiEncoding")) << fonts;

    // A bigger size draws bigger glyphs.
    const auto boxes = WordBoxes(file);
    const auto small = FindWord(boxes, "F1Regular8");
    const auto big = FindWord(boxes, "F1Regular20");
    EXPECT_NEAR((big.yMax - big.yMin) / (small.yMax - small.yMin), 2.5, 0.01);
}

TEST(TextOutput, FontObjectsAreWrittenOnceAndSymbolFontsKeepTheirEncoding) {
    kv::test::TempDir dir("fontobjects");
    const auto file = dir / "fonts.pdf";
    Folivo pdf;
    pdf.SetFont("Helvetica", 9);  // before the file is open: written at the end
    pdf.BeginDoc(file.string());
    pdf.BeginPage();
    pdf.SetFont("Times New Roman", 12, 3);
    pdf.DrawText(50, 50, "first");
    pdf.SetFont("Arial", 0, 0, 1);  // size 0 keeps 12; Mac Roman encoding
    pdf.DrawText(50, 80, "mac");
    pdf.SetFont("TIMESNEWROMAN", 0, 3);  // the same record again
    pdf.DrawText(50, 110, "again");
    pdf.SetFont("Symbol", 10, 1);
    pdf.DrawText(50, 140, "abg");
    pdf.SetFont("ZapfDingbats", 10);
    pdf.DrawText(50, 170, "3");
    pdf.SetFont("My (Odd) Font", 10, 1);  // not standard: Arial metrics, name kept, no suffix
    pdf.DrawText(50, 200, "odd");
    EXPECT_FLOAT_EQ(pdf.TextLength("A"), 7.22f);
    EXPECT_THROW(pdf.SetFont(" ", 10), folivo::Error);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(file);

    const std::string fonts = "\n" + FontSummary(file);
    EXPECT_EQ(Count(fonts, "\nTimesNewRoman,BoldItalic|"), 1) << fonts;
    EXPECT_TRUE(Contains(fonts, "MACArial|Type1|Arial|MacRomanEncoding")) << fonts;
    EXPECT_TRUE(Contains(fonts, "Symbol|Type1|Symbol|-")) << fonts;
    EXPECT_TRUE(Contains(fonts, "ZapfDingbats|Type1|ZapfDingbats|-")) << fonts;
    EXPECT_TRUE(Contains(fonts, "Arial|Type1|Arial|WinAnsiEncoding")) << fonts;
    EXPECT_TRUE(Contains(fonts, "My(Odd)Font|Type1|My(Odd)Font|WinAnsiEncoding")) << fonts;
    EXPECT_TRUE(Contains(fonts,
                         "resources:Arial,MACArial,My(Odd)Font,Symbol,TimesNewRoman,BoldItalic,ZapfDingbats"))
        << fonts;

    const std::string content = PageContent(file);
    EXPECT_TRUE(Contains(content, "/TimesNewRoman,BoldItalic 12 Tf 12 TL")) << content;
    EXPECT_TRUE(Contains(content, "/MACArial 12 Tf 12 TL")) << content;
    EXPECT_TRUE(Contains(content, "/Symbol 10 Tf")) << content;
    // Symbol's own codes: a b g are alpha, beta, gamma.
    EXPECT_TRUE(Contains(Utf8Text(file), "\xCE\xB1\xCE\xB2\xCE\xB3")) << Utf8Text(file);
}

TEST(TextOutput, WindowsCodePageBytesReachTheFileAsSingleBytes) {
    kv::test::TempDir dir("cp1252");
    const auto file = dir / "accents.pdf";
    const std::string phrase = "Citt\xE0 Caff\xE8 \x80 12 (note) back\\slash";
    Folivo pdf;
    pdf.BeginDoc(file.string());
    pdf.BeginPage();
    pdf.SetFont("Arial", 12);
    pdf.DrawText(40, 60, phrase);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(file);

    const std::string content = PageContent(file);
    EXPECT_TRUE(Contains(content, "(Citt\xE0 Caff\xE8 \x80 12 \\(note\\) back\\\\slash) Tj")) << content;
    EXPECT_TRUE(Contains(Utf8Text(file),
                         "Citt\xC3\xA0 Caff\xC3\xA8 \xE2\x82\xAC 12 (note) back\\slash"))
        << Utf8Text(file);
}

TEST(TextOutput, MeasuresWithTheSelectedFontAndScale) {
    Folivo pdf;
    EXPECT_EQ(pdf.TextLength("AA"), 0);  // no font selected
    EXPECT_EQ(pdf.TextHeight(), 0);
    pdf.SetFont("Arial");  // no size given yet: 10 points
    EXPECT_FLOAT_EQ(pdf.TextLength("AA"), 13.34f);
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
    kv::test::TempDir dir("nofont");
    const auto file = dir / "nofont.pdf";
    Folivo pdf;
    pdf.BeginDoc(file.string());
    pdf.BeginPage();
    try {
        pdf.DrawText(10, 10, "text");
        ADD_FAILURE() << "DrawText without a font did not fail";
    } catch (const folivo::Error& error) {
        EXPECT_TRUE(Contains(error.what(), "SetFont")) << error.what();
    }
    EXPECT_THROW(pdf.WriteTextLn("line"), folivo::Error);
    EXPECT_THROW(pdf.DrawTextBox(10, 10, 100, 100, "box"), folivo::Error);
    // Blank text needs no font: it only moves the current point.
    pdf.SetXY(30, 40);
    EXPECT_NO_THROW(pdf.WriteTextLn("   "));
    EXPECT_EQ(pdf.GetX(), 0);
    EXPECT_EQ(pdf.GetY(), 40);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(file);
}

TEST(TextOutput, AlignmentsAndLinesLandWhereAsked) {
    kv::test::TempDir dir("align");
    const auto file = dir / "align.pdf";
    Folivo pdf;
    pdf.BeginDoc(file.string());
    pdf.BeginPage();
    pdf.SetFont("Courier", 10);
    pdf.DrawText(300, 100, "RightEnd", 10);  // 10 modulo 8 = 2: ends at X
    EXPECT_FLOAT_EQ(pdf.GetX(), 348);        // X + length, not the drawn end
    pdf.DrawText(300, 150, "Centred", 4);
    pdf.SetFont("Courier", 10, 4 | 16);      // underline and strike-through
    pdf.DrawText(100, 200, "Lined");
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(file);

    const auto boxes = WordBoxes(file);
    EXPECT_NEAR(FindWord(boxes, "RightEnd").xMax, 300, 0.5);
    const auto centred = FindWord(boxes, "Centred");
    EXPECT_NEAR((centred.xMin + centred.xMax) / 2, 300, 0.5);

    const std::string content = PageContent(file);
    EXPECT_TRUE(Contains(content, "1 0 0 -1 252 100 Tm\r(RightEnd) Tj")) << content;
    EXPECT_TRUE(Contains(content, "0.625 w 1 0 0 1 100 200 cm\r")) << content;
    EXPECT_TRUE(Contains(content, "0 1.25 m 30 1.25 l S\r")) << content;  // underline
    EXPECT_TRUE(Contains(content, "0 -3 m 30 -3 l S\r")) << content;      // strike-through
    EXPECT_FALSE(Contains(content, "0 -8 m")) << content;                 // no overline
}

TEST(TextOutput, SpacingOperatorsAndTheirLimits) {
    kv::test::TempDir dir("spacing");
    const auto file = dir / "spacing.pdf";
    Folivo pdf;
    pdf.BeginDoc(file.string());
    pdf.BeginPage();
    pdf.SetFont("Times", 11);
    pdf.SetCharSpacing(0.5f);
    pdf.SetWordSpacing(2);
    pdf.SetTextHorizontalScaling(90);
    pdf.SetTextMode(1);
    EXPECT_THROW(pdf.SetTextMode(70000), folivo::Error);
    pdf.DrawText(20, 40, "Spaced words");
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(file);
    const std::string content = PageContent(file);
    EXPECT_TRUE(Contains(content, "0.5 Tc\r2 Tw\r90 Tz\r1 Tr\r")) << content;
    EXPECT_TRUE(Contains(kv::test::PdfToText(file), "Spaced words"));
}

}  // namespace
