// The output layer the reports call.
//
// The text, font, page and end-of-job forms on each target, in the order the printer object needs, and
// what a failing document leaves on disk. STAMPATESTO judges numeric texts by the locale's decimal
// separator and always empties the text line.
//
// PDF folders and file names: the base folder, the folder tree, the cleaning of names and the numbering
// option.
//
// Whole documents written through Folivo, judged by qpdf, pikepdf and pdftotext: the settings CREAPDF
// gives every document, protection, PDF/A, and the same bytes from the same report (the text positions
// are read back in e2e_reports).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "archive/archive_state.hpp"
#include "output/folivo_writer.hpp"
#include "output/numeric_text.hpp"
#include "output/output_state.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_document.hpp"
#include "output/pdf_folders.hpp"
#include "output/pdf_naming.hpp"
#include "output/print_text.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/pdf_support/readback.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/test_support.hpp"
#include "tests/support_output/recording_printer.hpp"
#include "tests/support_output/recording_writer.hpp"

namespace kv::output {
namespace {

namespace fs = std::filesystem;
using folivo::test::ExpectContains;
using folivo::test::Readback;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using test::ErrorOf;

// A fresh output state over scratch folders: drive letters map into the test's folder, the writer
// and the printer record what they are asked to do, message boxes are scripted.
class OutputFixture : public ::testing::Test {
protected:
    OutputFixture() {
        services.dialogs = &dialogs;
        state.printer = &printer;
        state.holderName = "STUDIO BIANCHI";
        state.decimalSeparator = ',';
    }

    // The company record in DITX: code at 3-5, name at 6-35, PDF password (T364) at 2483-2492.
    void SetCompany(const std::string& code, const std::string& name, const std::string& password = "") {
        std::string record(2600, ' ');
        record.replace(2, 3, code);
        record.replace(5, 30, (name + std::string(30, ' ')).substr(0, 30));
        record.replace(2482, 10, (password + std::string(10, ' ')).substr(0, 10));
        archive.buffers.DITX = record;
    }

    // The installation's fiscal record in FISX: owner password (F357) at 983-992.
    void SetOwnerPassword(const std::string& password) {
        std::string record(1000, ' ');
        record.replace(982, 10, (password + std::string(10, ' ')).substr(0, 10));
        archive.buffers.FISX = record;
    }

    // Points the archive folder at a folder that exists, as start-up would.
    void SetArchives(const std::string& folder) {
        archive.archiveFolder = folder;
        std::filesystem::create_directories(Host(folder));
    }

    std::filesystem::path Host(const std::string& path) const { return services.files.Resolve(path); }

    test::TempDir dir{"output"};
    platform::Services services{platform::Files(platform::DriveMap(dir.path() / "drives"))};
    archive::ArchiveState archive{services};
    platform::ScriptedDialogs dialogs;
    test::RecordingPrinter printer;
    std::shared_ptr<test::WriterLog> log = std::make_shared<test::WriterLog>();
    OutputState state{services, archive, test::RecordingWriter::Factory(log)};
};

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
    EXPECT_THAT(test::FilesUnder(Folder()), ElementsAre(Folder() / "PARD_AC_001_ROSSI SRL.pdf"));
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
    EXPECT_THAT(test::FilesUnder(Folder()), ElementsAre(Folder() / "PARD_AC_001_ROSSI SRL.pdf")) << "no partial file";
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
    EXPECT_THAT(test::FilesUnder(Folder()), IsEmpty());
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_EQ(line, "");
}

TEST(NumericText, FollowsTheDecimalSeparatorOfTheLocale) {
    for (const char* text : {"0,00", "1,50", "  12 ", "-3", "3-", "(4)", "1.234,5", "1e3", "&H1F", "+,5"})
        EXPECT_TRUE(IsNumericText(text, ',')) << text;
    for (const char* text : {"", "  ", "-", ",", "1,2,3", "DITTA: 001", "12 A", ".5", "1e", "&HG", "--1", "1 2"})
        EXPECT_FALSE(IsNumericText(text, ',')) << text;
    // With "." as the decimal mark the comma groups digits.
    EXPECT_TRUE(IsNumericText("1,234.5", '.'));
    EXPECT_FALSE(IsNumericText("0,5.1.2", '.'));
}

using StampText = OutputFixture;

// The same texts are written on both targets, at the place asked; the text line is always emptied.
TEST_F(StampText, TextsPassTheZeroRuleOnBothTargetsAndTheLineIsAlwaysEmptied) {
    const struct {
        const char* text;
        bool printZero, written;
    } cases[] = {
        {"", true, false},        {"     ", true, false},  {"0,00", false, false},
        {"0,00", true, true},     {"   0,00", false, false},
        {"0,50", false, false},  // the value read stops at the comma
        {"1,50", false, true},    {"DITTA: 000 0,00 00000", false, true},
    };
    for (bool pdf : {true, false}) {
        state.MODOPDF = pdf;
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(pdf ? "pdf " : "printer ") + "\"" + c.text + "\"");
            const size_t drawn = log->calls.size(), printed = printer.printed.size();
            std::string line = c.text;
            STAMPATESTO(state, 3, 2, line, c.printZero);
            EXPECT_EQ(line, "");
            const size_t written = pdf ? log->calls.size() - drawn - 1 : printer.printed.size() - printed;
            EXPECT_EQ(written, c.written ? 1u : 0u);
        }
    }
    EXPECT_EQ(log->calls[4], "DrawText(2,3,0,00,1)");  // column, row in centimetres
    EXPECT_EQ(log->writersMade, 1) << "one writer, made when first needed";
    ASSERT_EQ(printer.printed.size(), 3u);
    EXPECT_EQ(printer.printed[0].text, "0,00");
    EXPECT_EQ(printer.printed[0].x, 963);   // (2 - 0.3) * 567 = 963.9
    EXPECT_EQ(printer.printed[0].y, 1360);  // (3 - 0.6) * 567 = 1360.8
    state.MODOPDF = true;  // a PDF text moves by the shifts it is given
    std::string shifted = "X";
    STAMPATESTO(state, 3, 2, shifted, true, 0.5, 1.25);
    EXPECT_EQ(log->calls.back(), "DrawText(3.25,3.5,X,1)");
    // A signed zero with "." as the decimal mark.
    EXPECT_TRUE(IsTextWritten("000000-", true, '.'));
    EXPECT_FALSE(IsTextWritten("000000-", false, '.'));
}

TEST_F(StampText, NoPrinterIsAPrinterErrorAndTheLineIsStillEmptied) {
    state.printer = nullptr;
    std::string line = "TEXT";
    EXPECT_EQ(test::ErrorOf([&] { STAMPATESTO(state, 1, 1, line); }).number(), 482);
    EXPECT_EQ(line, "");
}

TEST(BaseFolder, DropsTheLastComponentInEitherStyle) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\DATI\\ARCHIVI", "D:\\DATI"}, {"  D:\\DATI\\ARCHIVI  ", "D:\\DATI"}, {"C:\\", "C:"}, {"C:\\ARK", "C:"},
        {"\\ARK", "\\"}, {"/srv/dati/archivi", "/srv/dati"}, {"/ab", "/"}, {"archivi", "."}};
    for (const auto& [archives, base] : cases) EXPECT_EQ(BaseFolderOf(archives), base) << archives;
}

TEST(FileName, CleansForbiddenCharactersOnly) {
    std::string name = "A*B|C\\D:E<F>G?H/I\"J' K.";
    PULISCINOMEFILE(name);
    EXPECT_EQ(name, "A_B_C_D_E_F_G_H_I_J' K");
    name = "X..";
    PULISCINOMEFILE(name);
    EXPECT_EQ(name, "X.") << "one final point removed, once";
}

TEST(FileName, ReportCompanyAndNameCases) {
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "ROSSI SRL"), "PARD_AC_001_ROSSI SRL.pdf");
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "A/B"), "PARD_AC_001_A_B.pdf");
    EXPECT_EQ(PdfFileName("PARR_AP_", false, "002", "L'ARTE SNC"), "PARR_AP_002_L'ARTE SNC.pdf");
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "      "), "PARD_AC_001.pdf");
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"),
              "PARD_AC_001_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123.pdf");
    EXPECT_EQ(PdfFileName("PARC_AC_", false, "003", "  STUDIO ROSSI" + std::string(20, ' ') + "E ASSOCIATI"),
              "PARC_AC_003_STUDIO ROSSI.pdf") << "trimmed, cut to 30, trimmed again";
    EXPECT_EQ(PdfFileName("PERCIPIENTI", true, "001", "ROSSI SRL"), "PERCIPIENTI.pdf");
}

using PdfFolders = OutputFixture;

TEST_F(PdfFolders, TheTreeGoesBesideTheArchivesInTheirStyle) {
    const std::string posix = (dir.path() / "dati").string();
    const struct {
        std::string archives, code, kind, period, base, folder, host;
    } cases[] = {
        {"D:\\DATI\\ARCHIVI", "001", "PARC", "200612", "D:\\DATI", "D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC",
         (dir.path() / "drives/d/DATI/FILE-PDF/001/2006/12/PARC").string()},
        {"D:\\DATI\\ARCHIVI", "001", "PERCIPIENTI", "200612", "D:\\DATI", "D:\\DATI\\FILE-PDF\\PERCIPIENTI",
         (dir.path() / "drives/d/DATI/FILE-PDF/PERCIPIENTI").string()},
        {"C:\\", "004", "PERCIPIENTI", "202401", "C:", "C:\\FILE-PDF\\PERCIPIENTI",
         (dir.path() / "drives/c/FILE-PDF/PERCIPIENTI").string()},
        {posix + "/archivi", "002", "PARC", "202412", posix, posix + "/FILE-PDF/002/2024/12/PARC",
         posix + "/FILE-PDF/002/2024/12/PARC"},
    };
    for (const auto& c : cases) {
        SetArchives(c.archives);
        for (int run = 0; run < 2; ++run) CREACARTELLEPDF(state, c.code, c.kind, c.period);  // existing folders are fine
        EXPECT_EQ(state.BASEPDF, c.base) << c.archives;
        EXPECT_EQ(state.CARTELLAPDF, c.folder) << c.archives;
        EXPECT_TRUE(fs::is_directory(c.host)) << c.host;
    }
}

TEST_F(PdfFolders, NumberingTakesTheFirstFreeSuffixAndWhenThereIsNoneShowsTheLimitAndKeepsThePath) {
    SetArchives("D:\\DATI\\ARCHIVI");
    const std::string path = "D:\\DATI\\X.pdf";
    EXPECT_EQ(NumberedPdfPath(state, path), "D:\\DATI\\X_001.pdf");
    test::WriteFile(Host("D:\\DATI") / "X_001.pdf", "");
    test::WriteFile(Host("D:\\DATI") / "X_002.pdf", "");
    EXPECT_EQ(NumberedPdfPath(state, path), "D:\\DATI\\X_003.pdf");
    EXPECT_TRUE(dialogs.shown().empty());
    for (int n = 0; n < 1000; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "X_%03d.pdf", n);
        test::WriteFile(Host("D:\\DATI") / name, "");
    }
    EXPECT_EQ(NumberedPdfPath(state, path), path);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Cedolini/riepiloghi PDF");
    EXPECT_EQ(dialogs.shown()[0].text, "Numerazione file PDF massima raggiunta \rContattare Orvanta Duruver");
    EXPECT_EQ(dialogs.shown()[0].icon, platform::Icon::Stop);
}

class FolivoDocument : public PdfForms {
protected:
    void SetUp() override {
        PdfForms::SetUp();
        state.makeWriter = FolivoWriterFactory(&host);
        SetCompany("001", "L'ARTE A/B SRL");
    }

    fs::path Pdf() const { return Folder() / "PARD_AC_001_L'ARTE A_B SRL.pdf"; }

    // Two pages as a report writes them: heading font, a text, a later page, the end of the company;
    // the file's bytes.
    std::string WriteTwoPages() {
        OpenHeadingPage(state, kDocument, true);
        HeadingFont(state, 9);
        std::string line = "STAMPA ELENCO DOCUMENTI";
        STAMPATESTO(state, 5, 1, line);
        OpenHeadingPage(state, kDocument, false);
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
