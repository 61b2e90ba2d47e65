// Document information, viewer preferences, reusable objects, local spaces and tables.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "pdf/folivo.hpp"
#include "pdf_facts.hpp"
#include "tests/support/test_support.hpp"

namespace folivo {
namespace {

using test::FakeHost;
using test::PdfFacts;

constexpr const char* kPagePrefix = "1 0 0 -1 0 842 cm \r0 0 0 rg\r0 0 0 RG\r";

struct Doc {
    kv::test::TempDir dir{"meta"};
    FakeHost host;
    Folivo pdf{host};
    std::string path = (dir / "out.pdf").string();
    PdfFacts Finish() {
        pdf.EndDoc();
        EXPECT_QPDF_CLEAN(path);
        return PdfFacts(path);
    }
};

TEST(DocProperty, TitleSubjectKeywordsAlwaysReplacedOthersOnlyWhenGiven) {
    Doc d;
    d.pdf.SetDocProperty("First", "Subject", "Author", "Creator", "Producer 1", "k1 k2");
    d.pdf.SetDocProperty("T");
    d.pdf.BeginDoc(d.path);
    const auto facts = d.Finish();
    EXPECT_EQ(facts.Bytes("infoTitle"), "T");
    EXPECT_EQ(facts.Bytes("infoSubject"), "");
    EXPECT_EQ(facts.Bytes("infoKeywords"), "");
    EXPECT_EQ(facts.Bytes("infoAuthor"), "Author");
    EXPECT_EQ(facts.Bytes("infoCreator"), "Creator");
    EXPECT_EQ(facts.Bytes("infoProducer"), "Producer 1");
    EXPECT_NE(facts.Bytes("metadata").find("<pdf:Producer>Producer 1</pdf:Producer>"), std::string::npos);
}

TEST(ViewerPreferences, LayoutModeAndFlags) {
    Doc d;
    d.pdf.SetViewerPreferences(8192 + 1 + 16 + 512);
    d.pdf.BeginDoc(d.path);
    auto facts = d.Finish();
    EXPECT_EQ(facts["catalogPageLayout"], "/OneColumn");
    EXPECT_EQ(facts["catalogPageMode"], "/FullScreen");
    EXPECT_EQ(facts["prefs"], "FitWindow HideMenubar");
    EXPECT_EQ(facts["version"], "1.3");

    d.pdf.Abort();
    d.pdf.SetViewerPreferences(-32768 + 8 + 32 + 64 + 256);
    d.pdf.BeginDoc(d.path);
    facts = d.Finish();
    EXPECT_EQ(facts["catalogPageLayout"], "/TwoColumnRight");
    EXPECT_EQ(facts["catalogPageMode"], "/UseOC");
    EXPECT_EQ(facts["prefs"], "CenterWindow HideToolbar HideWindowUI");
    EXPECT_EQ(facts["version"], "1.5");
}

TEST(ViewerPreferences, OutlinesModeWithoutBookmarksWritesAnEmptyDictionary) {
    Doc d;
    d.pdf.SetViewerPreferences(16384 + 2);
    d.pdf.BeginDoc(d.path);
    const auto facts = d.Finish();
    EXPECT_EQ(facts["catalogPageLayout"], "/TwoColumnLeft");
    EXPECT_EQ(facts["catalogPageMode"], "-");
    EXPECT_NE(kv::test::ReadFile(d.path).find("\n/ViewerPreferences <<  >>\n>>\nendobj"), std::string::npos);
}

TEST(ReusableObjects, RecordedOncePlayedOnEveryPage) {
    Doc d;
    d.pdf.BeginDoc(d.path);
    d.pdf.BeginObject("LOGO");
    d.pdf.MoveTo(1, 2);
    d.pdf.BeginObject("IGNORED");  // recording continues with LOGO
    d.pdf.MoveTo(3, 4);
    d.pdf.EndObject();
    d.pdf.BeginObject("UNDER", 1);
    d.pdf.EndObject();
    d.pdf.BeginObject("OVER", 2);
    d.pdf.EndObject();
    d.pdf.BeginObject("TWO WORDS");  // written as a valid name token
    d.pdf.EndObject();
    d.pdf.BeginPage();
    d.pdf.PlayObject("LOGO");
    d.pdf.BeginPage();
    d.pdf.PlayObject("TWO WORDS");
    const auto facts = d.Finish();
    EXPECT_EQ(facts.Bytes("xobjectLOGO"), "1 2 m\r3 4 m\r");
    EXPECT_EQ(facts["xobjectIGNORED"], "");
    const std::string auto_ = "q /UNDER Do Q\r";
    EXPECT_EQ(facts.Bytes("page1Content"), kPagePrefix + auto_ + "q /LOGO Do Q\rq /OVER Do Q\r");
    EXPECT_EQ(facts.Bytes("page2Content"), kPagePrefix + auto_ + "q /TWO#20WORDS Do Q\rq /OVER Do Q\r");
    EXPECT_NE(kv::test::ReadFile(d.path).find("/Name /TWO#20WORDS\r"), std::string::npos);
}

TEST(LocalSpaces, SaveTransformAndRestore) {
    Doc d;
    d.pdf.BeginDoc(d.path);
    d.pdf.BeginPage();
    d.pdf.SetXY(30, 30);
    d.pdf.BeginSpace();
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 0);
    d.pdf.EndSpace();
    d.pdf.SetScale(2);
    d.pdf.BeginSpace(10, 20, 2, 2, 90);
    d.pdf.EndSpace();
    const auto facts = d.Finish();
    EXPECT_EQ(facts.Bytes("page1Content"),
              std::string(kPagePrefix) + "q\rQ\rq\r2 0 0 2 28.346 56.693 cm\r0 -1 1 0 0 0 cm\rQ\r");
}

TEST(Tables, RowsAndColumnsAreNestedFramedCells) {
    Doc d;
    d.pdf.BeginDoc(d.path);
    d.pdf.BeginPage();
    d.pdf.BeginTable(10, 100);
    d.pdf.BeginRow(20);
    d.pdf.BeginColumn(50);
    d.pdf.SetColorFill("red");
    d.pdf.BeginColumn(60);  // ends the first column, restoring the fill colour
    d.pdf.EndRow();
    d.pdf.SetColorFill("%80");
    d.pdf.SetLineWidth(2);
    d.pdf.BeginRow(30);
    d.pdf.EndTable();
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 10);
    EXPECT_FLOAT_EQ(d.pdf.GetY(), 150);
    const auto facts = d.Finish();
    const std::string content = facts.Bytes("page1Content");
    EXPECT_EQ(content, std::string(kPagePrefix) +
                           "q\r"
                           "q\r1 0 0 1 10 100 cm\r"
                           "q\r1 0 0 rg\rQ\r"
                           "q\r1 0 0 1 50 0 cm\rQ\r"
                           "Q\r"
                           "0.8 0.8 0.8 rg\r2 w\r"
                           "q\r1 0 0 1 10 120 cm\r1 1 584 28 re f*\r0 0 586 30 re S\rQ\r"
                           "Q\r");
    EXPECT_EQ(std::count(content.begin(), content.end(), 'q'), std::count(content.begin(), content.end(), 'Q'));
}

}  // namespace
}  // namespace folivo
