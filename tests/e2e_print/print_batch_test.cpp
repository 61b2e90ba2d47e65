// Real printing end to end: kvvelm-batch on the demo installation prints the list of documents with
// --uscita stampa through CUPS to a cups-pdf queue, read back by pdftotext against the PDF target's.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "tests/support/batch_run.hpp"

namespace kv::e2e {
namespace {

namespace fs = std::filesystem;

// The printing service: the CUPS scheduler (the running one, or one started here and stopped at the
// end) with cups-pdf queues, each of which turns every job into a PDF file in a folder of the test's.
// Test cases run as parallel processes and share the scheduler and the queue names: a lock file keeps
// the service to one at a time.
class CupsService {
public:
    // Why the service cannot be used here (not root, a package missing); empty when it can.
    static std::string Unavailable() {
        if (::geteuid() != 0) return "the printing test runs as root only (it starts the CUPS scheduler)";
        for (const auto& [file, package] : {std::pair{"/usr/sbin/cupsd", "cups-daemon"},
                                            {"/usr/lib/cups/backend/cups-pdf", "printer-driver-cups-pdf"},
                                            {"/usr/sbin/lpadmin", "cups-client"}}) {
            if (!fs::exists(file)) return std::string(file) + " is missing (Debian package " + package + ")";
        }
        return "";
    }

    CupsService() : lock_(::open("/tmp/kvvelm-printing-test.lock", O_CREAT | O_RDWR | O_CLOEXEC, 0644)) {
        if (lock_ < 0 || ::flock(lock_, LOCK_EX) != 0) throw std::runtime_error("cannot lock the printing service");
        if (SchedulerRunning()) return;
        // cupsd in the foreground as a child of this process, its output discarded.
        char shell[] = "/bin/sh", option[] = "-c", command[] = "exec /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1";
        char* argv[] = {shell, option, command, nullptr};
        if (posix_spawn(&started_, shell, nullptr, nullptr, argv, environ) != 0) started_ = 0;
        if (started_ == 0 || !WaitUntil(SchedulerRunning, std::chrono::seconds(15))) {
            Stop();
            ::close(lock_);
            throw std::runtime_error("the CUPS scheduler did not start");
        }
    }
    // Removes the queues it added and stops the scheduler it started.
    ~CupsService() {
        for (const std::string& queue : queues_) {
            test::Run("lpadmin -x " + test::ShellQuote(queue));
            std::error_code ignored;
            fs::remove(QueueSettings(queue), ignored);
        }
        Stop();
        ::close(lock_);
    }
    CupsService(const CupsService&) = delete;
    CupsService& operator=(const CupsService&) = delete;

    // Adds a cups-pdf queue that writes each job to `outFolder` as a PDF file.
    void AddPdfQueue(const std::string& name, const fs::path& outFolder) {
        // Read by cups-pdf only when the device URI names the queue. Label 1: a job's file name starts
        // with its number, so jobs with the same title do not overwrite each other.
        test::WriteFile(QueueSettings(name), "Out " + outFolder.string() + "\nAnonDirName " + outFolder.string() +
                                                 "\nUserUMask 0000\nLabel 1\n");
        // Without the pdftocairo renderer the printed text comes back as Type 3 glyphs pdftotext cannot read.
        const auto added = test::Run("lpadmin -p " + test::ShellQuote(name) + " -v " +
                                     test::ShellQuote("cups-pdf:/" + name) +
                                     " -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o pdftops-renderer-default=pdftocairo");
        if (added.status != 0) throw std::runtime_error("lpadmin failed: " + added.output);
        queues_.push_back(name);
    }

    // Makes a queue accept jobs or refuse them.
    void SetAccepting(const std::string& queue, bool accepting) {
        const auto done = test::Run((accepting ? "cupsaccept " : "cupsreject ") + test::ShellQuote(queue));
        if (done.status != 0) throw std::runtime_error("cannot change " + queue + ": " + done.output);
    }

    // The PDF files in `outFolder`, oldest job first, once no job is pending and there are at least
    // `count` of them, or once `limit` has passed.
    std::vector<fs::path> WaitForJobs(const fs::path& outFolder, size_t count, std::chrono::seconds limit) const {
        WaitUntil([&] { return PdfFiles(outFolder).size() >= count && test::Run("lpstat -o").output.empty(); }, limit);
        return PdfFiles(outFolder);
    }

private:
    static bool SchedulerRunning() {
        return test::Run("LC_ALL=C lpstat -r").output.find("is running") != std::string::npos;
    }

    // Polls `done` until it holds or `limit` passes; says whether it held.
    template <class Condition>
    static bool WaitUntil(Condition done, std::chrono::seconds limit) {
        for (const auto end = std::chrono::steady_clock::now() + limit; !done();) {
            if (std::chrono::steady_clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return true;
    }

    static fs::path QueueSettings(const std::string& queue) { return "/etc/cups/cups-pdf-" + queue + ".conf"; }

    static std::vector<fs::path> PdfFiles(const fs::path& folder) {
        std::vector<fs::path> files = test::FilesUnder(folder, ".pdf");
        std::sort(files.begin(), files.end(),
                  [](const fs::path& a, const fs::path& b) { return fs::last_write_time(a) < fs::last_write_time(b); });
        return files;
    }

    // Asks the scheduler to stop; one that has not stopped within ten seconds is killed, so that a
    // hung scheduler cannot hang the test run.
    void Stop() {
        if (started_ == 0) return;
        ::kill(started_, SIGTERM);
        const pid_t pid = started_;
        if (!WaitUntil([pid] { return ::waitpid(pid, nullptr, WNOHANG) != 0; }, std::chrono::seconds(10))) {
            ::kill(started_, SIGKILL);
            ::waitpid(started_, nullptr, 0);
        }
        started_ = 0;
    }

    int lock_ = -1;      // held for the service's whole use
    pid_t started_ = 0;  // the scheduler started here; 0 when it was running already
    std::vector<std::string> queues_;
};

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
    const auto line = std::find_if(lines.begin(), lines.end(), [](const auto& l) { return l.starts_with("DITTA: "); });
    return line == lines.end() ? "" : line->substr(7, 3);
}

class PrintBatchTest : public ::testing::Test, public test::BatchInstallation {
protected:
    PrintBatchTest() : BatchInstallation("e2e-print", 1) { printers.clear(); }  // the system's printers
};

// A queue that refuses jobs stops the run before anything is sent; once it accepts them, every company
// is a job of its own holding the lines of its PDF document, in the order of the company list.
TEST_F(PrintBatchTest, EachCompanyIsAPrintJobHoldingTheReportsLinesOnceTheQueueAcceptsJobs) {
    if (std::string why = CupsService::Unavailable(); !why.empty()) GTEST_SKIP() << why;
    const std::string timeout = "timeout 120 ";
    auto written = Batch("--report documenti --ditte tutte --uscita pdf", timeout);
    ASSERT_EQ(written.status, 0) << written.output;
    std::map<std::string, fs::path> documents;  // the PDF target's, by company code
    for (const fs::path& pdf : test::FilesUnder(PdfRoot(), ".pdf")) documents[CompanyOf(NormalizedLines(pdf))] = pdf;
    ASSERT_EQ(documents.size(), 7u);

    const fs::path out = dir / "printed";
    fs::create_directories(out);
    CupsService cups;
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
