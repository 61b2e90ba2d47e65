#pragma once
// The printing service for a test: the CUPS scheduler (the running one, or one started here as root
// and stopped at the end) with cups-pdf queues, each of which turns every job into a PDF file in a
// folder of the test's.

#include <chrono>
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace kv::test {

class CupsService {
public:
    // Why the service cannot be used here (not root, a package missing); empty when it can.
    static std::string Unavailable();

    // Waits until no other test of this machine uses the service (the test cases run as parallel
    // processes and share the scheduler and the queue names), then starts the scheduler unless one
    // is running; std::runtime_error when it does not come up.
    CupsService();
    // Removes the queues it added and stops the scheduler it started.
    ~CupsService();
    CupsService(const CupsService&) = delete;
    CupsService& operator=(const CupsService&) = delete;

    // Adds a cups-pdf queue that writes each job to `outFolder` as a PDF file.
    void AddPdfQueue(const std::string& name, const std::filesystem::path& outFolder);

    // Makes a queue accept jobs or refuse them (cupsaccept, cupsreject).
    void SetAccepting(const std::string& queue, bool accepting);

    // The PDF files in `outFolder`, once no job is pending and there are at least `count` of them, or
    // once `limit` has passed; oldest job first.
    std::vector<std::filesystem::path> WaitForJobs(const std::filesystem::path& outFolder, size_t count,
                                                   std::chrono::seconds limit) const;

private:
    void Stop();

    int lock_ = -1;      // held for the service's whole use
    pid_t started_ = 0;  // the scheduler started here; 0 when it was running already
    std::vector<std::string> queues_;
};

}  // namespace kv::test
