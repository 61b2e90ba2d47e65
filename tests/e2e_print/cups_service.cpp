#include "tests/e2e_print/cups_service.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

#include "tests/support/test_support.hpp"

namespace kv::test {

namespace fs = std::filesystem;

namespace {

constexpr const char* kScheduler = "/usr/sbin/cupsd";
constexpr const char* kPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kServiceLock = "/tmp/kvvelm-printing-test.lock";
constexpr const char* kPdfModel = "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd";
constexpr auto kPoll = std::chrono::milliseconds(100);

bool SchedulerRunning() { return Run("LC_ALL=C lpstat -r").output.find("is running") != std::string::npos; }

// Polls `done` until it holds or `limit` passes; says whether it held.
template <class Condition>
bool WaitUntil(Condition done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

// Starts cupsd in the foreground as a child of this process, its output discarded.
pid_t SpawnScheduler() {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char program[] = "/usr/sbin/cupsd";
    char foreground[] = "-f";
    char* argv[] = {program, foreground, nullptr};
    pid_t pid = 0;
    int failed = posix_spawn(&pid, kScheduler, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("cannot start " + std::string(kScheduler));
    return pid;
}

fs::path QueueSettings(const std::string& queue) { return "/etc/cups/cups-pdf-" + queue + ".conf"; }

// The PDF files in a folder, oldest first.
std::vector<fs::path> PdfFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".pdf") files.push_back(entry.path());
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return fs::last_write_time(a) < fs::last_write_time(b); });
    return files;
}

}  // namespace

std::string CupsService::Unavailable() {
    if (::geteuid() != 0) return "the printing test runs as root only (it starts the CUPS scheduler)";
    if (!fs::exists(kScheduler)) return "cupsd is not installed (Debian package cups-daemon)";
    if (!fs::exists(kPdfBackend)) return "cups-pdf is not installed (Debian package printer-driver-cups-pdf)";
    if (Run("command -v lpadmin").status != 0) return "lpadmin is not installed (Debian package cups-client)";
    return "";
}

CupsService::CupsService() : lock_(::open(kServiceLock, O_CREAT | O_RDWR | O_CLOEXEC, 0644)) {
    if (lock_ < 0 || ::flock(lock_, LOCK_EX) != 0) throw std::runtime_error("cannot lock the printing service");
    if (SchedulerRunning()) return;
    started_ = SpawnScheduler();
    if (!WaitUntil(SchedulerRunning, std::chrono::seconds(15))) {
        Stop();
        ::close(lock_);
        throw std::runtime_error("the CUPS scheduler did not start");
    }
}

CupsService::~CupsService() {
    for (const std::string& queue : queues_) {
        Run("lpadmin -x " + ShellQuote(queue));
        std::error_code ignored;
        fs::remove(QueueSettings(queue), ignored);
    }
    Stop();
    ::close(lock_);
}

void CupsService::Stop() {
    if (started_ == 0) return;
    ::kill(started_, SIGTERM);
    int status = 0;
    const bool ended = WaitUntil([&] { return ::waitpid(started_, &status, WNOHANG) == started_; },
                                 std::chrono::seconds(15));
    if (!ended) {
        ::kill(started_, SIGKILL);
        ::waitpid(started_, &status, 0);
    }
    started_ = 0;
}

void CupsService::AddPdfQueue(const std::string& name, const fs::path& outFolder) {
    // Read by cups-pdf only when the device URI names the queue. Label 1: a job's file name starts
    // with its number, so jobs with the same title do not overwrite each other.
    WriteFile(QueueSettings(name), "Out " + outFolder.string() + "\nAnonDirName " + outFolder.string() +
                                       "\nUserUMask 0000\nLabel 1\n");
    // Without the pdftocairo renderer the printed text comes back as Type 3 glyphs pdftotext cannot read.
    CommandResult added = Run("lpadmin -p " + ShellQuote(name) + " -v " + ShellQuote("cups-pdf:/" + name) +
                              " -E -m " + kPdfModel + " -o pdftops-renderer-default=pdftocairo");
    if (added.status != 0) throw std::runtime_error("lpadmin failed: " + added.output);
    queues_.push_back(name);
}

void CupsService::SetAccepting(const std::string& queue, bool accepting) {
    CommandResult done = Run((accepting ? "cupsaccept " : "cupsreject ") + ShellQuote(queue));
    if (done.status != 0) throw std::runtime_error("cannot change " + queue + ": " + done.output);
}

std::vector<fs::path> CupsService::WaitForJobs(const fs::path& outFolder, size_t count,
                                               std::chrono::seconds limit) const {
    WaitUntil([&] { return PdfFiles(outFolder).size() >= count && Run("lpstat -o").output.empty(); }, limit);
    return PdfFiles(outFolder);
}

}  // namespace kv::test
