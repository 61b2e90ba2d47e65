#include "app/screen_progress.hpp"

#include <algorithm>

namespace kv::app {

ProgressBar ProgressBarOf(const reports::ReportProgress& progress) {
    ProgressBar bar;
    bar.maximum = std::max(progress.companies, 1) * kStepsPerCompany;
    int value = progress.companiesDone * kStepsPerCompany;
    if (progress.payees > 0) {
        // A company is never whole before it is done, even with every payee printed.
        value += std::min(progress.payeesDone * kStepsPerCompany / progress.payees, kStepsPerCompany - 1);
    }
    bar.value = std::clamp(value, 0, bar.maximum);
    return bar;
}

std::string ProgressText(const reports::ReportProgress& progress) {
    std::string text = "Ditte " + std::to_string(progress.companiesDone) + " su " +
                       std::to_string(progress.companies);
    if (progress.payees > 0) {
        text += ", percipienti " + std::to_string(progress.payeesDone) + " su " +
                std::to_string(progress.payees);
    }
    return text;
}

reports::ProgressCallback ScreenProgress(Program& program) {
    return [&program](const reports::ReportProgress& progress) {
        program.screen.progress = progress;
        ShowProgress(program);
        return !program.screen.stopRequested;
    };
}

void ShowProgress(Program& program) {
    if (program.showProgress) program.showProgress();
}

void CmdAnnulla_Click(Program& program) {
    if (program.screen.waitPanelVisible) program.screen.stopRequested = true;
}

}  // namespace kv::app
