// The font, page and end-of-job forms on each target, in the order the printer object needs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/page_forms.hpp"
#include "tests/output/output_fixture.hpp"

namespace kv::output {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using PrinterForms = OutputFixture;

TEST_F(PrinterForms, PagesBreakInTheBodyAndEachCompanyIsAJob) {
    const ReportDocument document{"001", "PARC", "200612", "PARD_AC_", {}};
    OpenHeadingPage(state, document, true);
    BreakPrinterPage(state);
    OpenHeadingPage(state, document, false);
    EndCompanyOutput(state);
    EXPECT_THAT(printer.calls, ElementsAre("NewPage", "EndDoc"));
    EXPECT_THAT(log->calls, IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "drives")) << "no folders for the printer";
}

using PdfForms = OutputFixture;

TEST_F(PdfForms, FirstHeadingCreatesTheDocumentLaterOnesBeginPages) {
    state.MODOPDF = true;
    SetArchives("D:\\DATI\\ARCHIVI");
    SetCompany("001", "ROSSI SRL");
    const ReportDocument document{"001", "PARC", "200612", "PARD_AC_", {}};
    OpenHeadingPage(state, document, true);
    EXPECT_TRUE(state.PDFAPERTO);
    log->calls.clear();
    SetArchives("E:\\ALTRO\\ARCHIVI");  // a later page keeps the folder its document was made in
    BreakPrinterPage(state);  // nothing on PDF
    OpenHeadingPage(state, document, false);
    EXPECT_THAT(log->calls, ElementsAre("BeginPage()"));
    EXPECT_FALSE(std::filesystem::exists(Host("E:\\ALTRO\\FILE-PDF"))) << "the folder is checked once a document";
    EndCompanyOutput(state);
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_TRUE(std::filesystem::exists(Host("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC\\PARD_AC_001_ROSSI SRL.pdf")));
    log->calls.clear();
    EndCompanyOutput(state);  // no document open: nothing to close
    EXPECT_THAT(log->calls, IsEmpty());
    EXPECT_THAT(printer.calls, IsEmpty());
}

}  // namespace
}  // namespace kv::output
