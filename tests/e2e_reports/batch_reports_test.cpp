// kvvelm-batch run as a user would on the demo installation in a scratch folder, and the PDF files it
// writes read back by outside tools (pikepdf through pdf_texts.py, pdftotext, qpdf): the list of
// documents to its rows and columns, the four reports in PDF/A, and what the program says when a run
// does not write every file, replaces or numbers files, and what its run log holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/batch_run.hpp"
#include "tests/support/pdf_texts.hpp"

namespace kv::e2e {
namespace {

class BatchReportTest : public ::testing::Test, public test::BatchInstallation {
protected:
    BatchReportTest() : BatchInstallation("e2e_reports", 1) {}

    // The folder of a company's documents: FILE-PDF/<code>/2025/12/PARC.
    fs::path CompanyFolder(const std::string& code) const { return PdfRoot() / code / "2025" / "12" / "PARC"; }

    // Every PDF under FILE-PDF, sorted.
    std::vector<fs::path> AllPdfs() const { return test::FilesUnder(PdfRoot(), ".pdf"); }

    const fs::path kRossi = CompanyFolder("001") / "PARD_AP_001_ROSSI COSTRUZIONI S.R.L..pdf";
};

// The four reports over every company leave each archive file byte for byte as it was; the list of
// documents is read back to its rows and columns. Written again with --pdfa, company 001's files pass
// the PDF/A clause check (pdfa_check.py) and read back as the plain ones (protected companies:
// tests/output/output_test.cpp).
TEST_F(BatchReportTest, ReportsLeaveTheArchivesAsTheyWereEveryTextSitsAtItsRowAndColumnAndPdfAReadsTheSame) {
    ASSERT_EQ(Batch("--info").status, 0);  // start-up creates the archives it opens and finds missing
    const auto before = Snapshot(demo.archiveFolder);
    // The date typed in UTF-8 reaches the certificates as it was typed.
    const std::string reports[] = {"documenti", "registro", "certificazioni --data '28/02/2025 citt\xC3\xA0'",
                                   "percipienti"};
    for (const std::string& report : reports)
        EXPECT_EQ(Batch("--report " + report + " --ditte tutte").status, 0) << report;
    EXPECT_EQ(Batch("--report registro --ditte tutte --mesi 2,5 --anno corrente").status, 0);
    EXPECT_TRUE(before == Snapshot(demo.archiveFolder));
    for (const fs::path& pdf : AllPdfs()) EXPECT_QPDF_CLEAN(pdf);
    EXPECT_EQ(Find(ReadTexts(CompanyFolder("001") / "PARC_AP_001_ROSSI COSTRUZIONI S.R.L..pdf"), "28/02/2025").text,
              "28/02/2025 citt\xC3\xA0");

    const auto texts = ReadTexts(kRossi);
    const auto first = OnPage(texts, 1);
    ASSERT_GE(first.size(), 9u);
    // The heading: title, company line with the page number at its end, payee block, in bold.
    EXPECT_EQ(Find(first, "STAMPA ELENCO DOCUMENTI").x, 8);
    EXPECT_EQ(first[3].text.rfind("DITTA: 001 ROSSI COSTRUZIONI S.R.L.", 0), 0u);
    EXPECT_DOUBLE_EQ(Find(first, "PERCIPIENTE : 0001 ROSSI MARIO").y, 2.6);
    EXPECT_EQ(first[3].font, "CourierNew,Bold");
    EXPECT_EQ(first[3].text.size(), 105u);
    EXPECT_EQ(first[3].text.substr(99), "Pag.01");
    // Six document blocks of 3.85 cm, each starting with its number below a dash line.
    std::vector<PdfText> numbers;
    std::copy_if(first.begin(), first.end(), std::back_inserter(numbers),
                 [](const PdfText& text) { return text.text.starts_with("NUMERO DOCUMENTO"); });
    ASSERT_EQ(numbers.size(), 6u);
    for (int block = 0; block < 6; ++block) {
        EXPECT_NEAR(numbers[block].y, 4.35 + block * 3.85, 0.006) << numbers[block].text;
        EXPECT_EQ(numbers[block].text, "NUMERO DOCUMENTO : 00000" + std::to_string(block + 1));
    }
    const PdfText amounts = Find(first, "TOT.AMM.L.AUTONOMO:");
    EXPECT_EQ(amounts.font, "CourierNew");
    EXPECT_NEAR(amounts.y, 5.05, 0.006);
    EXPECT_NEAR(Find(first, "DATI VERSAMENTO").y, 5.4 + 0.7, 0.006);

    // Seventy documents of payee 0001: pages of six, each repeating the heading and the payee block.
    const auto second = OnPage(texts, 2);
    EXPECT_EQ(Find(second, "DITTA: 001").text.substr(99), "Pag.02");
    EXPECT_DOUBLE_EQ(Find(second, "PERCIPIENTE : 0001 ROSSI MARIO").y, 2.6);
    EXPECT_EQ(Find(second, "NUMERO DOCUMENTO").text, "NUMERO DOCUMENTO : 000007");
    EXPECT_EQ(Find(OnPage(texts, 12), "NUMERO DOCUMENTO").text, "NUMERO DOCUMENTO : 000067");
    // The next payee starts on a page of its own.
    EXPECT_EQ(Find(OnPage(texts, 13), "PERCIPIENTE").text.rfind("PERCIPIENTE : 0002 ", 0), 0u);

    const fs::path plain = dir / "plain";
    fs::rename(PdfRoot(), plain);
    for (const std::string& report : reports) {
        const auto result = Batch("--report " + report + " --ditte 001 --pdfa");
        ASSERT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(result.output.find("PDF/A non possibile"), std::string::npos) << result.output;
    }
    const fs::path checker = fs::path(KV_SOURCE_DIR) / "tests" / "e2e_reports" / "pdfa_check.py";
    const std::vector<fs::path> pdfs = AllPdfs();
    EXPECT_GE(pdfs.size(), 4u);
    for (const fs::path& pdf : pdfs) {
        const fs::path twin = plain / fs::relative(pdf, PdfRoot());
        ASSERT_TRUE(fs::exists(twin)) << pdf;
        EXPECT_QPDF_CLEAN(pdf);
        const auto check = test::Python(test::ShellQuote(checker.string()) + " " + test::ShellQuote(pdf.string()) +
                                        " " + test::ShellQuote(twin.string()));
        EXPECT_EQ(check.status, 0) << pdf << ":\n" << check.output;
        EXPECT_EQ(test::PdfToText(pdf, true), test::PdfToText(twin, true)) << pdf;
    }
}

// A folder on a small file system of its own, filled to the last byte; unmounted at the end.
struct FullFolder {
    explicit FullFolder(const fs::path& folder) : folder(folder) {
        fs::create_directories(folder);
        mounted = test::Run("mount -t tmpfs -o size=64k tmpfs " + test::ShellQuote(folder.string())).status == 0;
        if (mounted) test::Run("cat /dev/zero > " + test::ShellQuote((folder / "filler").string()));
    }
    ~FullFolder() {
        if (mounted) test::Run("umount " + test::ShellQuote(folder.string()));
    }

    fs::path folder;
    bool mounted = false;
};

TEST_F(BatchReportTest, ReplacedAndNumberedFilesAreSummedUpAndLogged) {
    test::CommandResult first, second, third;
    EXPECT_EQ(BatchApart("--report documenti --ditte 001", first), "");
    EXPECT_EQ(first.status, 0) << first.output;
    EXPECT_NE(first.output.find("File PDF creati: 1\n"), std::string::npos) << first.output;
    EXPECT_EQ(first.output.find("sostituiti"), std::string::npos) << first.output;

    BatchApart("--report documenti --ditte 001", second);
    EXPECT_NE(second.output.find("File PDF sostituiti: 1\n  " + kRossi.string() + "\n"), std::string::npos)
        << second.output;

    BatchApart("--report documenti --ditte 001 --non-sovrascrivere", third);
    EXPECT_EQ(third.status, 0) << third.output;
    EXPECT_EQ(third.output.find("sostituiti"), std::string::npos) << third.output;
    const fs::path numbered = CompanyFolder("001") / "PARD_AP_001_ROSSI COSTRUZIONI S.R.L._001.pdf";
    EXPECT_QPDF_CLEAN(numbered);
    EXPECT_EQ(AllPdfs().size(), 2u);

    // One line per file and per run, each with its ISO time.
    const std::string log = test::ReadFile(PdfRoot() / "kvvelm.log");
    EXPECT_NE(log.find(" FILE " + kRossi.string() + " (sostituito)\n"), std::string::npos) << log;
    EXPECT_NE(log.find(" FILE " + numbered.string() + "\n"), std::string::npos) << log;
    const std::regex run(R"(T\d\d:\d\d:\d\d[+-]\d\d:\d\d ESECUZIONE Elenco Documenti PDF)");
    EXPECT_EQ(std::distance(std::sregex_iterator(log.begin(), log.end(), run), std::sregex_iterator()), 3) << log;
}

// A run that cannot write its files goes on with the next company, says why on standard error, ends
// with status 4 and a closing message that claims no folder, and leaves the archives as they were.
TEST_F(BatchReportTest, FilesThatCannotBeWrittenEndWithStatusFourAndTheirReason) {
    ASSERT_EQ(Batch("--info").status, 0);  // start-up creates the archives it finds missing
    const auto archives = Snapshot(demo.archiveFolder);
    // Readable by nobody, writable by nobody: the lock the run takes is made beforehand.
    test::WriteFile(LockFile(), "");
    fs::permissions(LockFile(), fs::perms::all);
    std::optional<FullFolder> full;
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::string runner;
        std::string reason;
        std::string closing;  // what the closing message says instead of a folder it cannot claim
    };
    const std::vector<Case> cases = {
        {"read-only output folder", [] {}, test::AsNobody(), "Permission denied", "Nessun file PDF \xC3\xA8 stato creato.\n"},
        {"full disk", [&] { full.emplace(kRossi.parent_path()); }, "",
         "Impossibile creare il file PDF " + kRossi.string(), "File PDF creati: 1\nFile PDF non creati: 1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        if (full && !full->mounted) break;  // no file system can be mounted here (not root)
        test::CommandResult result;
        const std::string err = BatchApart("--report documenti --ditte 001,002", result, c.runner);
        EXPECT_EQ(result.status, 4) << result.output << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
        EXPECT_NE(result.output.find(c.closing), std::string::npos) << result.output;
        EXPECT_NE(result.output.find("File PDF non creati: "), std::string::npos) << result.output;
        EXPECT_EQ(Snapshot(demo.archiveFolder), archives);
    }
    ASSERT_EQ(AllPdfs().size(), 1u);
    EXPECT_EQ(AllPdfs()[0].filename().string().rfind("PARD_AP_002_", 0), 0u);
}

}  // namespace
}  // namespace kv::e2e
