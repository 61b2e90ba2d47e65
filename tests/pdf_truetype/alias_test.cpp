// How a registered TrueType font is found again: by its alias or full name, without regard to case,
// written once per document, whether it was added before or after the file was opened.

#include <gtest/gtest.h>

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

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
