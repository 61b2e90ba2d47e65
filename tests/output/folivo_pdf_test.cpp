// Whole documents written through Folivo, judged by qpdf, pikepdf and pdftotext: the settings CREAPDF
// gives every document, protection, and the same bytes from the same report (the text positions are
// read back in e2e_reports).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/folivo_writer.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_folders.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/pdf_support/readback.hpp"
#include "tests/support/error_of.hpp"

namespace kv::output {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

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

    // Two pages as a report writes them: heading font, texts, a later page, the end of the company.
    void WriteTwoPages() {
        OpenHeadingPage(state, document, true);
        HeadingFont(state, 9);
        std::string line = "STAMPA ELENCO DOCUMENTI";
        STAMPATESTO(state, 5, 1, line);
        line = "SPOSTATO";
        STAMPATESTO(state, 5, 10, line, false, 0.35);
        line = "0,00";
        STAMPATESTO(state, 6, 1, line);
        BodyFont(state, 9, false);
        line = "IMPORTO 0,00";
        STAMPATESTO(state, 6, 5, line);
        OpenHeadingPage(state, document, false);
        line = "PAGINA DUE";
        STAMPATESTO(state, 1, 1, line);
        EndCompanyOutput(state);
    }

    std::string Read(const fs::path& pdf, const std::string& password = "") {
        const std::string script = std::string(KV_SOURCE_DIR) + "/tests/support/pdf_texts.py";
        test::CommandResult result = test::Python(test::ShellQuote(script) + " --facts " + test::ShellQuote(pdf.string()) +
                                                  (password.empty() ? "" : " " + test::ShellQuote(password)));
        EXPECT_EQ(result.status, 0) << result.output;
        return result.output;
    }

    folivo::test::FakeHost host;  // same clock and random source every time: the same bytes
};

TEST_F(FolivoDocument, CarriesTheProgramsSettings) {
    WriteTwoPages();
    ASSERT_TRUE(fs::exists(Pdf()));
    EXPECT_QPDF_CLEAN(Pdf());
    const std::string facts = Read(Pdf());
    for (const char* fact : {"Title: PDFPARD_AC_\n", "Subject: \n", "Author: Orvanta Duruver\n", "Creator: STUDIO BIANCHI\n",
                             "Producer: Orvanta Duruver\n", "Encrypted: False\n",
                             "ViewerPreferences: ['/CenterWindow', '/FitWindow']\n",
                             "Page 1 MediaBox: [0.0, 0.0, 596.0, 842.0]\n", "Page 2 MediaBox: [0.0, 0.0, 596.0, 842.0]\n",
                             "Page 1 Filter: /LZWDecode\n", "Page 2 Filter: /LZWDecode\n"}) {
        EXPECT_THAT(facts, HasSubstr(fact));
    }
}

TEST_F(FolivoDocument, ProtectedWhenBothPasswordsAreSet) {
    SetCompany("001", "L'ARTE A/B SRL", "utente");
    SetOwnerPassword("titolare");
    WriteTwoPages();
    const auto check = test::QpdfCheck(Pdf(), "utente");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_THAT(Read(Pdf(), "utente"), HasSubstr("Encrypted: True\n"));
    EXPECT_THAT(test::PdfToText(Pdf(), false, "utente"), HasSubstr("PAGINA DUE"));
    // Opened with the owner password (the installation's), qpdf recovers the user's (the company's).
    const auto owner = test::QpdfCheck(Pdf(), "titolare");
    EXPECT_EQ(owner.status, 0) << owner.output;
    EXPECT_THAT(owner.output, HasSubstr("User password = utente"));
    EXPECT_NE(test::Run("qpdf --check " + test::ShellQuote(Pdf().string())).status, 0) << "a password is needed";
}

TEST_F(FolivoDocument, TheSameReportAgainReplacesTheFileWithTheSameBytes) {
    WriteTwoPages();
    const std::string first = test::ReadFile(Pdf());
    state.PAGINANUOVA = true;
    WriteTwoPages();
    EXPECT_EQ(test::ReadFile(Pdf()), first);
    EXPECT_EQ(std::distance(fs::directory_iterator(Folder()), fs::directory_iterator()), 1);
    EXPECT_QPDF_CLEAN(Pdf());
}

}  // namespace
}  // namespace kv::output
