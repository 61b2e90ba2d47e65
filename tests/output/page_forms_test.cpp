// The font, page and end-of-job forms on each target, in the order the printer object needs, and what
// a failing document leaves on disk (numbering: pdf_naming_test.cpp).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/page_forms.hpp"
#include "output/pdf_document.hpp"
#include "output/pdf_folders.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::output {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using test::ErrorOf;

const ReportDocument kDocument{"001", "PARC", "200612", "PARD_AC_", {}};

using PrinterForms = OutputFixture;

TEST_F(PrinterForms, PagesBreakInTheBodyAndEachCompanyIsAJob) {
    OpenHeadingPage(state, kDocument, true);
    BreakPrinterPage(state);
    OpenHeadingPage(state, kDocument, false);
    EndCompanyOutput(state);
    EXPECT_THAT(printer.calls, ElementsAre("NewPage", "EndDoc"));
    EXPECT_THAT(log->calls, IsEmpty());
    EXPECT_FALSE(fs::exists(dir.path() / "drives")) << "no folders for the printer";
}

class PdfForms : public OutputFixture {
protected:
    void SetUp() override {
        state.MODOPDF = true;
        SetArchives("D:\\DATI\\ARCHIVI");
        SetCompany("001", "ROSSI SRL");
    }

    fs::path Folder() const { return Host("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC"); }

    // Files in the document folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PdfForms, FirstHeadingCreatesTheDocumentLaterOnesBeginPages) {
    OpenHeadingPage(state, kDocument, true);
    EXPECT_TRUE(state.PDFAPERTO);
    log->calls.clear();
    SetArchives("E:\\ALTRO\\ARCHIVI");  // a later page keeps the folder its document was made in
    BreakPrinterPage(state);  // nothing on PDF
    OpenHeadingPage(state, kDocument, false);
    EXPECT_THAT(log->calls, ElementsAre("BeginPage()"));
    EXPECT_FALSE(fs::exists(Host("E:\\ALTRO\\FILE-PDF"))) << "the folder is checked once a document";
    EndCompanyOutput(state);
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_THAT(Files(), ElementsAre("PARD_AC_001_ROSSI SRL.pdf"));
    log->calls.clear();
    EndCompanyOutput(state);  // no document open: nothing to close
    EXPECT_THAT(log->calls, IsEmpty());
    EXPECT_THAT(printer.calls, IsEmpty());
}

TEST_F(PdfForms, AFailedFinishLeavesNoFileAndNamesIt) {
    fs::create_directories(Folder());
    test::WriteFile(Folder() / "PARD_AC_001_ROSSI SRL.pdf", "older run");
    log->failingCall = "EndDoc";
    OpenHeadingPage(state, kDocument, true);
    const platform::RuntimeError error = ErrorOf([&] { EndCompanyOutput(state); });
    EXPECT_EQ(error.number(), platform::err::kDiskFull);
    EXPECT_THAT(error.description(), HasSubstr("PARD_AC_001_ROSSI SRL.pdf"));
    EXPECT_THAT(error.description(), HasSubstr("Disk full"));
    EXPECT_THAT(log->calls.back(), "Abort()");
    EXPECT_THAT(Files(), ElementsAre("PARD_AC_001_ROSSI SRL.pdf")) << "no partial file";
    EXPECT_EQ(test::ReadFile(Folder() / "PARD_AC_001_ROSSI SRL.pdf"), "older run");
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_EQ(state.writer, nullptr);
}

TEST_F(PdfForms, AFailedTextDiscardsTheDocument) {
    OpenHeadingPage(state, kDocument, true);
    log->failingCall = "DrawText";
    std::string line = "TEXT";
    const platform::RuntimeError error = ErrorOf([&] { STAMPATESTO(state, 1, 1, line); });
    EXPECT_THAT(error.description(), HasSubstr("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC\\PARD_AC_001_ROSSI SRL.pdf"));
    EXPECT_TRUE(Files().empty());
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace kv::output
