#pragma once
// The wait panel while a report runs: the bar that follows the report's progress, and CmdAnnulla,
// which asks the report to stop after the file under way. Each front end shows these as the model
// holds them; the report tells its progress through the callback made here.

#include <string>

#include "app/program.hpp"
#include "reports/report_progress.hpp"

namespace kv::app {

// The bar's scale: each company is this many steps, shared among its payees as they are printed.
inline constexpr int kStepsPerCompany = 100;

struct ProgressBar {
    int value = 0;
    int maximum = 1;
};

// Where the bar stands: companies done, plus the part of the company under way whose payees are
// printed. It is full only when every company is done.
ProgressBar ProgressBarOf(const reports::ReportProgress& progress);

// The progress as one line of text: "Ditte 2 su 7, percipienti 12 su 40" (payees once known).
std::string ProgressText(const reports::ReportProgress& progress);

// The callback the confirm command gives the report: records the progress in the screen, has the
// front end show it, and answers whether the user has pressed Annulla.
reports::ProgressCallback ScreenProgress(Program& program);

// Has the front end show the screen while a report runs; nothing without a front end that does.
void ShowProgress(Program& program);

// CmdAnnulla: the report under way stops after its current file.
void CmdAnnulla_Click(Program& program);

}  // namespace kv::app
