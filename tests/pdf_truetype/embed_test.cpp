// Embedding installed TrueType fonts: the written dictionary, descriptor, widths and font file agree
// with what fontTools reads from the same file, poppler draws the text with the embedded font, and
// its /ToUnicode map gives back the characters the codes of either code page stand for. A registered
// font is found again by its alias or full name, without regard to case, and written once per
// document, whether it was added before or after the file was opened.

#include <gtest/gtest.h>

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

struct EmbedCase {
    std::string file;      // path of the font
    std::string base;      // expected /BaseFont
    bool embedded;
    int32_t compression;   // SetCompression mode: 0 or Flate (2)
    bool protect = false;  // 128-bit RC4 with an owner password only
    int32_t encoding = 0;  // 1: Mac Roman
};

// "Prezzo € “netto” À É" in each code page's bytes, and in UTF-8 as text extraction gives it back.
const std::string kWindows1252Line = "Prezzo \x80 \x93netto\x94 \xC0 \xC9";
const std::string kMacRomanLine = "Prezzo \xDB \xD2netto\xD3 \xCB \x83";
const std::string kUtf8Line = "Prezzo \u20AC \u201Cnetto\u201D \u00C0 \u00C9";

const std::vector<EmbedCase> kCases = {
    {kLiberation + "LiberationSans-Regular.ttf", "LiberationSans", true, 0},
    {kLiberation + "LiberationSerif-Bold.ttf", "LiberationSerifBold,Bold", true, 2},
    {kLiberation + "LiberationMono-Regular.ttf", "LiberationMono", true, 2, true},
    {kLiberation + "LiberationSerif-Regular.ttf", "LiberationSerif", true, 0, false, 1},
    {kLiberation + "LiberationSans-BoldItalic.ttf", "LiberationSansBoldItalic,BoldItalic", false, 0},
    {kDejaVu + "DejaVuSerif-Italic.ttf", "DejaVuSerifItalic,Italic", true, 2},
};

TEST(TrueTypeEmbed, DocumentCarriesTheFontAsItsTablesDescribeIt) {
    for (const EmbedCase& c : kCases) {
        SCOPED_TRACE(c.file);
        if (!std::filesystem::exists(c.file)) continue;  // DejaVu is optional on the machine
        Doc doc;
        doc.pdf.BeginDoc(doc.path.string());
        doc.pdf.SetCompression(c.compression);
        if (c.protect) doc.pdf.SetProtection(4096 + 4, "proprietario", "");
        EXPECT_EQ(doc.pdf.AddFont(c.file, "Body", c.embedded, c.encoding), "Body");
        EXPECT_EQ(doc.pdf.ErrNumber(), 0) << doc.pdf.ErrDescription();
        doc.pdf.BeginPage();
        doc.pdf.SetFont("Body", 14, 0, c.encoding);
        doc.pdf.DrawText(20, 30, "Compensi a terzi 2026");
        doc.pdf.DrawText(20, 60, c.encoding ? kMacRomanLine : kWindows1252Line);
        doc.Finish();
        const std::string text = Utf8Text(doc.path);
        EXPECT_TRUE(Contains(text, "Compensi a terzi 2026"));
        EXPECT_TRUE(Contains(text, kUtf8Line)) << text;

        FontEntries expected = ReferenceEntries(c.file, c.encoding ? "mac_roman" : "cp1252").at(c.base);  // fails when the name differs
        expected["FirstChar"] = "0";
        expected["LastChar"] = "255";
        if (!c.embedded) expected["Length1"] = "-";
        expected["ToUnicode"] = c.embedded ? "yes" : "no";
        expected["Filter"] = c.embedded && c.compression ? "/FlateDecode" : "-";
        const FontEntries written = TrueTypeFonts(doc.path, doc.dir.path())[c.base];
        for (const auto& [key, value] : expected) EXPECT_EQ(written.count(key) ? written.at(key) : "", value) << key;
        EXPECT_EQ(Readback(doc.path).Count("/Type1"), 0) << "the text uses the TrueType font only";
        if (c.embedded) { EXPECT_EQ(kv::test::ReadFile(doc.dir / (c.base + ".ttf")), kv::test::ReadFile(c.file)); }
    }
}

const std::string kMono = kLiberation + "LiberationMono-Regular.ttf";
const std::string kSans = kLiberation + "LiberationSans-Regular.ttf";

TEST(TrueTypeAlias, AliasesAndFullNamesSelectTheFontWrittenOnce) {
    Doc doc;
    EXPECT_EQ(doc.pdf.AddFont(kSans, "Corpo"), "Corpo");  // before the file opens: written at the end
    Folivo& pdf = doc.Page();
    EXPECT_EQ(pdf.AddFont(kMono, "CORPO"), "CORPO");  // the key is taken: the first font stays
    EXPECT_EQ(pdf.AddFont(kMono, ""), "LiberationMono");  // an empty alias is the full name
    // "iiii" is four times as wide in a monospaced font (600) as in Arial's metrics (222).
    pdf.SetFont("LiberationMono", 10);
    const float mono = pdf.TextLength("iiii");
    pdf.SetFont("Arial", 10);
    EXPECT_NEAR(mono / pdf.TextLength("iiii"), 600.0 / 222.0, 1e-3);
    float y = 20;
    for (const char* name : {"corpo", "CORPO", "LiberationMono"}) {
        pdf.SetFont(name, 11);
        pdf.DrawText(10, y += 20, std::string("Registro ") + name);
    }
    doc.Finish();
    ExpectContains(kv::test::PdfToText(doc.path), {"Registro corpo", "Registro CORPO", "Registro LiberationMono"});
    const auto fonts = TrueTypeFonts(doc.path, doc.dir.path());
    EXPECT_EQ(fonts.size(), 2u);
    EXPECT_EQ(kv::test::ReadFile(doc.dir / "LiberationSans.ttf"), kv::test::ReadFile(kSans));
    EXPECT_EQ(kv::test::ReadFile(doc.dir / "LiberationMono.ttf"), kv::test::ReadFile(kMono));
}

}  // namespace
}  // namespace folivo::test
