// Real printing end to end: kvvelm-batch on the demo installation prints the list of documents with
// --uscita stampa through CUPS to a cups-pdf queue, read back by pdftotext against the PDF target's.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "tests/e2e_print/cups_service.hpp"
#include "tests/support/batch_run.hpp"

namespace kv::e2e {
namespace {

namespace fs = std::filesystem;

// A document's lines as pdftotext -layout shows them, trimmed, runs of blanks made one, empty lines
// dropped: the same on paper and in a PDF file, whatever the margins.
std::vector<std::string> NormalizedLines(const fs::path& pdf) {
    std::vector<std::string> lines;
    std::istringstream text(test::PdfToText(pdf, true));
    for (std::string line; std::getline(text, line);) {
        std::istringstream words(line);
        std::string normalized;
        for (std::string word; words >> word;) normalized += (normalized.empty() ? "" : " ") + word;
        if (!normalized.empty()) lines.push_back(normalized);
    }
    return lines;
}

// The company code of a list of documents ("DITTA: 003 ..."); empty when no line names one.
std::string CompanyOf(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.rfind("DITTA: ", 0) == 0) return line.substr(7, 3);
    }
    return "";
}

class PrintBatchTest : public ::testing::Test, public test::BatchInstallation {
protected:
    PrintBatchTest() : BatchInstallation("e2e-print", 1) { printers.clear(); }  // the system's printers

    // The PDF target's documents by company code.
    std::map<std::string, fs::path> PdfDocuments() const {
        std::map<std::string, fs::path> documents;
        for (const auto& entry : fs::recursive_directory_iterator(PdfRoot())) {
            if (entry.path().extension() == ".pdf")
                documents[CompanyOf(NormalizedLines(entry.path()))] = entry.path();
        }
        return documents;
    }
};

// A queue that refuses jobs stops the run before anything is sent; once it accepts them, every company
// is a job of its own holding the lines of its PDF document, in the order of the company list.
TEST_F(PrintBatchTest, EachCompanyIsAPrintJobHoldingTheReportsLinesOnceTheQueueAcceptsJobs) {
    if (std::string why = test::CupsService::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    const std::string timeout = "timeout 120 ";
    auto written = Batch("--report documenti --ditte tutte --uscita pdf", timeout);
    ASSERT_EQ(written.status, 0) << written.output;
    const auto documents = PdfDocuments();
    ASSERT_EQ(documents.size(), 7u);

    const fs::path out = dir / "printed";
    fs::create_directories(out);
    test::CupsService cups;
    cups.AddPdfQueue(demo::kDemoPrinter, out);  // the queue the printer-settings file names
    cups.SetAccepting(demo::kDemoPrinter, false);
    auto refused = Batch("--report documenti --ditte 001 --uscita stampa", timeout);
    EXPECT_EQ(refused.status, 2) << refused.output;  // checked before the run: nobody is asked
    EXPECT_NE(refused.output.find("La stampante non pu\xC3\xB2 stampare: la stampante KVVELM_Laser non accetta lavori"),
              std::string::npos)
        << refused.output;

    cups.SetAccepting(demo::kDemoPrinter, true);
    auto printed = Batch("--report documenti --ditte tutte --uscita stampa", timeout);
    ASSERT_EQ(printed.status, 0) << printed.output;
    EXPECT_EQ(printed.output.find("ERR.STAMPANTE"), std::string::npos) << printed.output;

    const auto jobs = cups.WaitForJobs(out, documents.size(), std::chrono::seconds(90));
    ASSERT_EQ(jobs.size(), documents.size());  // the refused run sent nothing
    std::vector<std::string> companies;
    for (const fs::path& job : jobs) {
        EXPECT_QPDF_CLEAN(job);
        const auto lines = NormalizedLines(job);
        companies.push_back(CompanyOf(lines));
        auto document = documents.find(companies.back());
        ASSERT_NE(document, documents.end()) << job << " names no company of the report";
        EXPECT_EQ(lines, NormalizedLines(document->second)) << job;
        EXPECT_EQ(test::PageCount(job), test::PageCount(document->second)) << job;
    }
    EXPECT_EQ(companies, (std::vector<std::string>{"001", "002", "003", "005", "006", "007", "008"}));
}

}  // namespace
}  // namespace kv::e2e
