#pragma once
// How far a report run has gone, told to the front end while the run goes on: the companies done
// and, inside the company under way, its payees done. The callback runs on the report's thread; a
// window shows the progress there and handles its pending events (which is how it sees a click on
// Annulla), and answers whether the run goes on.

#include <functional>

namespace kv::reports {

struct ReportProgress {
    int companiesDone = 0;  // whose file (or print job) is finished
    int companies = 0;      // the run's companies; the list of payees counts as one
    int payeesDone = 0;     // printed, of the company under way
    int payees = 0;         // of the company under way; 0 while they are being collected
};

// False asks the run to stop after the file under way.
using ProgressCallback = std::function<bool(const ReportProgress&)>;

// A run's side of the callback: counts, calls back, and remembers a request to stop.
class ProgressReporter {
public:
    explicit ProgressReporter(ProgressCallback callback) : callback_(std::move(callback)) {}

    // The run begins: none of `companies` done.
    void Start(int companies);
    // A company is begun; its payees are not known until it is collected.
    void BeginCompany();
    // The company's payees are collected; none printed yet.
    void CountPayees(int payees);
    // One more payee of the company is printed.
    void PayeeDone();
    // The company's file (or print job) is finished, or it had nothing to make.
    void CompanyDone();
    // The same progress again, for a long step that moves no count (the collection's walk).
    void Tick();

    bool StopAsked() const { return stopAsked_; }
    // Asked to stop, and companies were left out.
    bool Stopped() const { return stopAsked_ && progress_.companiesDone < progress_.companies; }
    const ReportProgress& progress() const { return progress_; }

private:
    void Report();

    ProgressCallback callback_;
    ReportProgress progress_;
    bool stopAsked_ = false;
};

}  // namespace kv::reports
