// Whole documents written through Folivo, judged by qpdf, pikepdf and pdftotext: the settings CREAPDF
// gives every document, protection, PDF/A, and the same bytes from the same report (the text positions
// are read back in e2e_reports).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/folivo_writer.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_folders.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/pdf_support/readback.hpp"

namespace kv::output {
namespace {

namespace fs = std::filesystem;
using folivo::test::ExpectContains;
using folivo::test::Readback;
using ::testing::HasSubstr;
using ::testing::Not;

class FolivoDocument : public OutputFixture {
protected:
    void SetUp() override {
        state.makeWriter = FolivoWriterFactory(&host);
        state.MODOPDF = true;
        SetArchives("D:\\DATI\\ARCHIVI");
        SetCompany("001", "L'ARTE A/B SRL");
    }

    const ReportDocument document{"001", kKindFeeNotes, "200612", "PARD_AC_", {}};

    fs::path Folder() const { return Host("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC"); }
    fs::path Pdf() const { return Folder() / "PARD_AC_001_L'ARTE A_B SRL.pdf"; }

    // Two pages as a report writes them: heading font, a text, a later page, the end of the company;
    // the file's bytes.
    std::string WriteTwoPages() {
        OpenHeadingPage(state, document, true);
        HeadingFont(state, 9);
        std::string line = "STAMPA ELENCO DOCUMENTI";
        STAMPATESTO(state, 5, 1, line);
        OpenHeadingPage(state, document, false);
        line = "PAGINA DUE";
        STAMPATESTO(state, 1, 1, line);
        EndCompanyOutput(state);
        return test::ReadFile(Pdf());
    }

    folivo::test::FakeHost host;  // same clock and random source every time: the same bytes
};

TEST_F(FolivoDocument, CarriesTheProgramsSettings) {
    WriteTwoPages();
    EXPECT_QPDF_CLEAN(Pdf());
    const Readback file(Pdf());
    EXPECT_THAT(file.trailer, Not(HasSubstr("/Encrypt")));
    ExpectContains(file.Object(Readback::Ref(file.trailer, "/Info")),
                   {"/Title (PDFPARD_AC_)", "/Subject ()", "/Author (Orvanta Duruver)", "/Creator (STUDIO BIANCHI)",
                    "/Producer (Orvanta Duruver)"});
    ExpectContains(file.Object(Readback::Ref(file.trailer, "/Root")),
                   {"/ViewerPreferences << /CenterWindow true /FitWindow true >>"});
    ASSERT_EQ(file.pages.size(), 2u);
    for (int page : {1, 2}) {
        ExpectContains(file.Page(page), {"/MediaBox [ 0 0 596 842 ]"});
        ExpectContains(file.Object(Readback::Ref(file.Page(page), "/Contents")), {"/Filter [ /LZWDecode ]"});
    }
}

// Both passwords protect the file; asked for PDF/A, a protected company keeps its protection and is
// noted, the others' files are PDF/A.
TEST_F(FolivoDocument, ProtectedWhenBothPasswordsAreSetWhichPdfAGivesWayTo) {
    SetCompany("001", "L'ARTE A/B SRL", "utente");
    SetOwnerPassword("titolare");
    WriteTwoPages();
    const auto check = test::QpdfCheck(Pdf(), "utente");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_THAT(test::PdfToText(Pdf(), false, "utente"), HasSubstr("PAGINA DUE"));
    // Opened with the owner password (the installation's), qpdf recovers the user's (the company's).
    const auto owner = test::QpdfCheck(Pdf(), "titolare");
    EXPECT_EQ(owner.status, 0) << owner.output;
    EXPECT_THAT(owner.output, HasSubstr("User password = utente"));
    EXPECT_NE(test::Run("qpdf --check " + test::ShellQuote(Pdf().string())).status, 0) << "a password is needed";

    state.archivalPdf = true;
    const std::string protectedFile = WriteTwoPages();
    EXPECT_THAT(protectedFile, HasSubstr("/Encrypt"));
    EXPECT_THAT(protectedFile, Not(HasSubstr("pdfaid")));
    ASSERT_EQ(state.run.notArchival.size(), 1u);
    EXPECT_EQ(state.run.notArchival[0].company.code, "001");
    EXPECT_EQ(state.run.notArchival[0].reason, "PDF/A non possibile: documento protetto");

    SetCompany("001", "L'ARTE A/B SRL");
    const std::string archival = WriteTwoPages();
    EXPECT_THAT(archival, HasSubstr("<pdfaid:part>2</pdfaid:part>"));
    EXPECT_THAT(archival, Not(HasSubstr("/Encrypt")));
    EXPECT_EQ(state.run.notArchival.size(), 1u);
    EXPECT_TRUE(state.run.written.at(2).archival && !state.run.written.at(1).archival);
}

TEST_F(FolivoDocument, TheSameReportAgainReplacesTheFileWithTheSameBytes) {
    const std::string first = WriteTwoPages();
    EXPECT_EQ(WriteTwoPages(), first);
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
    EXPECT_QPDF_CLEAN(Pdf());
}

}  // namespace
}  // namespace kv::output
