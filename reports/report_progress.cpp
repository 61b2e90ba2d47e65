#include "reports/report_progress.hpp"

#include <algorithm>

namespace kv::reports {

void ProgressReporter::Start(int companies) {
    progress_ = ReportProgress{0, std::max(companies, 1), 0, 0};
    Report();
}

void ProgressReporter::BeginCompany() {
    progress_.payeesDone = 0;
    progress_.payees = 0;
    Report();
}

void ProgressReporter::CountPayees(int payees) {
    progress_.payeesDone = 0;
    progress_.payees = payees;
    Report();
}

void ProgressReporter::PayeeDone() {
    progress_.payeesDone = std::min(progress_.payeesDone + 1, progress_.payees);
    Report();
}

void ProgressReporter::CompanyDone() {
    progress_.companiesDone = std::min(progress_.companiesDone + 1, progress_.companies);
    progress_.payeesDone = 0;
    progress_.payees = 0;
    Report();
}

void ProgressReporter::Tick() { Report(); }

void ProgressReporter::Report() {
    if (callback_ && !callback_(progress_)) stopAsked_ = true;
}

}  // namespace kv::reports
