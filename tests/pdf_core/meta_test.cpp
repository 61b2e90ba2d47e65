// Document information, viewer preferences, reusable objects, local spaces and tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

constexpr const char* kPagePrefix = "1 0 0 -1 0 842 cm \r0 0 0 rg\r0 0 0 RG\r";

// Opens the document, runs what `draw` does and reads the checked file back.
Readback Written(Doc& d, const std::function<void(Folivo&)>& draw) {
    d.pdf.BeginDoc(d.path.string());
    draw(d.pdf);
    return Readback(d.Finish());
}

TEST(ViewerPreferences, LayoutModeFlagsAndVersion) {
    const struct {
        int32_t options;
        const char *layout, *mode, *prefs, *version;
    } cases[] = {
        {8192 + 1 + 16 + 512, "/OneColumn", "/PageMode /FullScreen", "<< /FitWindow true /HideMenubar true >>", "1.3"},
        {-32768 + 8 + 32 + 64 + 256, "/TwoColumnRight", "/PageMode /UseOC",
         "<< /CenterWindow true /HideToolbar true /HideWindowUI true >>", "1.5"},
        {16384 + 2, "/TwoColumnLeft", "", "<< >>", "1.3"},  // outlines without bookmarks: no mode
    };
    for (const auto& c : cases) {
        Doc d;
        d.pdf.SetViewerPreferences(c.options);
        const Readback rb = Written(d, [](Folivo&) {});
        const std::string catalog = rb.Object(Readback::Ref(rb.trailer, "/Root"));
        ExpectContains(catalog, {std::string("/PageLayout ") + c.layout, c.mode, std::string("/ViewerPreferences ") + c.prefs});
        EXPECT_EQ(Contains(catalog, "/PageMode"), *c.mode != 0) << catalog;
        EXPECT_EQ(rb.version, c.version) << c.options;
    }
}

TEST(ReusableObjects, RecordedOncePlayedOnEveryPage) {
    Doc d;
    const auto facts = Written(d, [](Folivo& pdf) {
        pdf.BeginObject("LOGO");
        pdf.MoveTo(1, 2);
        pdf.BeginObject("IGNORED");  // recording continues with LOGO
        pdf.MoveTo(3, 4);
        pdf.EndObject();
        pdf.BeginObject("UNDER", 1);
        pdf.EndObject();
        pdf.BeginObject("OVER", 2);
        pdf.EndObject();
        pdf.BeginObject("TWO WORDS");  // written as a valid name token
        pdf.EndObject();
        pdf.BeginPage();
        pdf.PlayObject("LOGO");
        pdf.BeginPage();
        pdf.PlayObject("TWO WORDS");
    });
    EXPECT_EQ(facts.Stream(facts.Find({"/Name /LOGO"})), "1 2 m\r3 4 m\r");
    EXPECT_EQ(facts.Count("/IGNORED"), 0);
    const std::string under = std::string(kPagePrefix) + "q /UNDER Do Q\r";
    EXPECT_EQ(facts.Content(1), under + "q /LOGO Do Q\rq /OVER Do Q\r");
    EXPECT_EQ(facts.Content(2), under + "q /TWO#20WORDS Do Q\rq /OVER Do Q\r");
    const std::string bytes = kv::test::ReadFile(d.path);
    EXPECT_TRUE(Contains(bytes, "/Name /TWO#20WORDS\r"));
    ExpectContains(bytes, {"\n4 0 obj\n<< /Type /XObject /Subtype /Form /FormType 1 /Name /LOGO\r/BBox [0 0 596 842]\r"
                           "/Matrix [1 0 0 1 0 0]\n/Length 12 >>\rstream\n",
                           "/XObject <</LOGO 4 0 R \r/UNDER 5 0 R \r/OVER 6 0 R \r/TWO#20WORDS 7 0 R \r>>\r"});
}

TEST(LocalSpaces, SaveTransformAndRestore) {
    Doc d;
    const auto facts = Written(d, [](Folivo& pdf) {
        pdf.BeginPage();
        pdf.SetXY(30, 30);
        pdf.BeginSpace();
        EXPECT_FLOAT_EQ(pdf.GetX(), 0);
        pdf.EndSpace();
        pdf.SetScale(2);
        pdf.BeginSpace(10, 20, 2, 2, 90);
        pdf.EndSpace();
    });
    EXPECT_EQ(facts.Content(1),
              std::string(kPagePrefix) + "q\rQ\rq\r2 0 0 2 28.346 56.693 cm\r0 -1 1 0 0 0 cm\rQ\r");
}

TEST(Tables, RowsAndColumnsAreNestedFramedCellsAndCellSettingsEndWithTheCell) {
    Doc d;
    const auto facts = Written(d, [](Folivo& pdf) {
        pdf.BeginPage();
        pdf.SetFont("Courier", 10);
        pdf.BeginTable(10, 100);
        pdf.BeginRow(20);
        pdf.BeginColumn(50);
        pdf.SetColorFill("red");
        pdf.SetFont("Arial", 14, 1);
        pdf.BeginColumn(60);  // ends the first column, restoring the fill colour and the font
        EXPECT_FLOAT_EQ(pdf.TextHeight(), 11.33f);  // Courier 10 again
        pdf.SetFont("Times", 8);
        pdf.EndRow();
        pdf.SetColorFill("%80");
        pdf.SetLineWidth(2);
        pdf.BeginRow(30);
        pdf.EndTable();
        EXPECT_FLOAT_EQ(pdf.GetX(), 10);
        EXPECT_FLOAT_EQ(pdf.GetY(), 150);
        pdf.DrawText(0, 200, "After");
    });
    EXPECT_EQ(facts.Content(1), std::string(kPagePrefix) +
                                    "q\r"
                                    "q\r1 0 0 1 10 100 cm\r"
                                    "q\r1 0 0 rg\rQ\r"
                                    "q\r1 0 0 1 50 0 cm\rQ\r"
                                    "Q\r"
                                    "0.8 0.8 0.8 rg\r2 w\r"
                                    "q\r1 0 0 1 10 120 cm\r1 1 584 28 re f*\r0 0 586 30 re S\rQ\r"
                                    "Q\r"
                                    "0 0 0 rg\rBT\r/CourierNew 10 Tf 10 TL\r1 0 0 -1 0 200 Tm\r(After) Tj\rET\r0 0 0 rg\r");
}

}  // namespace
}  // namespace folivo::test
