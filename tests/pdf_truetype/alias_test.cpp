// How a registered TrueType font is found again: by its alias or full name, once per document,
// whether it was added before or after the file was opened.

#include <gtest/gtest.h>

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

const std::string kMono = kLiberation + "LiberationMono-Regular.ttf";
const std::string kSans = kLiberation + "LiberationSans-Regular.ttf";

// "iiii" is four times as wide in a monospaced font (600) as in Arial's metrics (222).
float LengthOfNarrowText(Folivo& pdf, const std::string& family) {
    pdf.SetFont(family, 10);
    return pdf.TextLength("iiii");
}

TEST(TrueTypeAlias, EmptyAliasIsTheFullNameAndSelectsTheFont) {
    Doc doc;
    Folivo& pdf = doc.Page();
    EXPECT_EQ(pdf.AddFont(kMono, ""), "LiberationMono");
    const float mono = LengthOfNarrowText(pdf, "LiberationMono");
    const float arial = LengthOfNarrowText(pdf, "Arial");
    EXPECT_NEAR(mono / arial, 600.0 / 222.0, 1e-3);
    pdf.SetFont("LiberationMono", 12);
    pdf.DrawText(10, 10, "Registro compensi");
    doc.Finish();
    EXPECT_TRUE(Contains(kv::test::PdfToText(doc.path), "Registro compensi"));
    EXPECT_EQ(TrueTypeFonts(doc.path, doc.dir.path()).count("LiberationMono"), 1u);
}

TEST(TrueTypeAlias, AliasIsMatchedWithoutRegardToCaseAndWrittenOnce) {
    Doc doc;
    Folivo& pdf = doc.Page();
    EXPECT_EQ(pdf.AddFont(kSans, "Corpo"), "Corpo");
    EXPECT_EQ(pdf.AddFont(kMono, "CORPO"), "CORPO");  // the key is taken: the first font stays
    for (const char* name : {"corpo", "Corpo", "CORPO"}) {
        pdf.SetFont(name, 11);
        pdf.DrawText(10, 20, name);
    }
    doc.Finish();
    const auto fonts = TrueTypeFonts(doc.path, doc.dir.path());
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts.begin()->first, "LiberationSans");
    EXPECT_TRUE(Contains(kv::test::PdfToText(doc.path), "CORPO"));
}

TEST(TrueTypeAlias, FontAddedBeforeTheFileOpensIsWrittenAtTheEnd) {
    Doc doc;
    EXPECT_EQ(doc.pdf.AddFont(kSans, "Testo"), "Testo");
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.BeginPage();
    doc.pdf.SetFont("Testo", 12);
    doc.pdf.DrawText(10, 10, "Elenco percipienti");
    doc.Finish();
    EXPECT_TRUE(Contains(kv::test::PdfToText(doc.path), "Elenco percipienti"));
    const auto fonts = TrueTypeFonts(doc.path, doc.dir.path());
    ASSERT_EQ(fonts.count("LiberationSans"), 1u);
    EXPECT_EQ(kv::test::ReadFile(doc.dir / "LiberationSans.ttf"), kv::test::ReadFile(kSans));
}

}  // namespace
}  // namespace folivo::test
