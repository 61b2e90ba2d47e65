#include "app/screen_confirm.hpp"

#include <algorithm>

#include "app/printer_check.hpp"
#include "app/screen_controls.hpp"
#include "app/screen_progress.hpp"
#include "app/screen_reset.hpp"
#include "output/run_log.hpp"

namespace kv::app {

namespace {

bool AnySelected(const std::vector<bool>& selected) {
    return std::find(selected.begin(), selected.end(), true) != selected.end();
}

bool ShowChoiceMessage(Program& program) {
    const ScreenState& screen = program.screen;
    std::optional<std::string> message =
        ChoiceMessage(AnySelected(screen.companySelected), AnySelected(screen.monthSelected),
                      screen.report >= 0);
    if (!message) return false;
    platform::ShowMessage(program.services,
                          platform::OkBox(std::string(kScreenCaption), *message, platform::Icon::Information));
    return true;
}

void RecordChoice(Program& program) {
    ScreenState& screen = program.screen;
    screen.DATIMANCANTI = false;
    program.output.MODOPDF = !screen.printerOutput;
    program.output.run = RunOutcome{};  // the report starts it afresh; a driver that fails early leaves it empty
    screen.ANNOCORRENTE = !screen.previousYear;
    screen.TUTTIMESI = screen.allMonths;
    screen.ANNOSTAMPA = screen.yearLabel;
}

ReportOutcome RunReport(ReportDrivers& reports, const ReportRequest& request) {
    switch (request.report) {
        case kElencoDocumenti: return reports.Elenco_Documenti(request);
        case kRegistroCompensi: return reports.Registro_Compensi_Terzi(request);
        case kElencoPercipienti: return reports.Elenco_Percipienti_Stampa(request);
        case kCertificazioni: return reports.Elenco_Certificazioni(request);
        default: return ReportOutcome{};
    }
}

// A window says the log problem in a box; the batch writes it on standard error itself.
void ShowLogProblem(Program& program) {
    if (program.unattended) return;
    platform::MessageBox box;
    box.title = std::string(kScreenCaption);
    box.text = "Il registro delle elaborazioni non pu\xF2 essere scritto: " + program.output.run.logProblem +
               "\r\rI report proseguono senza registro; l'avviso non sar\xE0 ripetuto.";
    box.icon = platform::Icon::Exclamation;
    platform::ShowMessage(program.services, box);
}

// The run's lines in the run log; a log that cannot be written is said once (RunOutcome::logProblem).
void WriteRunLog(Program& program, int report) {
    const std::string name = report >= 0 && report < 4 ? std::string(kReportCaptions[report]) : "?";
    std::string problem = output::AppendRunLog(program.output, name);
    if (problem.empty() || program.logProblemSaid) return;
    program.logProblemSaid = true;
    program.output.run.logProblem = std::move(problem);
    ShowLogProblem(program);
}

}  // namespace

std::optional<std::string> ChoiceMessage(bool companyChosen, bool monthChosen, bool reportChosen) {
    struct Row {
        bool company, month, report;
        const char* message;
    };
    // Tested in this order; the first row that matches gives the message.
    static constexpr Row kRows[] = {
        {false, false, false,
         "Per proseguire \xE8 necessario scegliere una Ditta, un Periodo e un Documento da Stampare"},
        {false, false, true,
         "Per proseguire \xE8 necessario scegliere una Ditta e un Periodo da Stampare"},
        {false, true, false,
         "Per proseguire \xE8 necessario scegliere una Ditta e un Documento da Stampare"},
        {true, false, false,
         "Per proseguire \xE8 necessario scegliere un Periodo e un Documento da Stampare"},
        {false, true, true, "Per proseguire \xE8 necessario scegliere una Ditta da Stampare"},
        {true, true, false, "Per proseguire \xE8 necessario scegliere un Documento da Stampare"},
        {true, false, true, "Per proseguire \xE8 necessario scegliere un Periodo da Stampare"},
    };
    for (const Row& row : kRows) {
        if (row.company == companyChosen && row.month == monthChosen && row.report == reportChosen) {
            return std::string(row.message);
        }
    }
    return std::nullopt;
}

ReportRequest BuildReportRequest(const ScreenState& screen) {
    ReportRequest request;
    request.report = screen.report;
    for (std::size_t i = 0; i < screen.companies.size() && i < screen.companySelected.size(); ++i) {
        if (!screen.companySelected[i]) continue;
        request.companies.push_back(
            SelectedCompany{static_cast<int>(i), screen.companies[i].code, screen.companies[i].text});
    }
    for (std::size_t m = 0; m < request.months.size() && m < screen.monthSelected.size(); ++m) {
        request.months[m] = screen.monthSelected[m];
    }
    request.allMonths = screen.allMonths;
    request.currentYear = !screen.previousYear;
    request.yearText = screen.yearLabel;
    request.certificateDate = screen.date;
    request.orderByName = screen.orderByName;
    request.screenCaption = std::string(kScreenCaption);
    request.keepExistingPdfs = screen.keepExistingPdfs;
    request.archivalPdf = screen.archivalPdf;
    return request;
}

ConfirmResult CmdConferma_Click(Program& program, ReportDrivers& reports) {
    ScreenState& screen = program.screen;
    if (screen.report != kElencoPercipienti && ShowChoiceMessage(program)) {
        return ConfirmResult::StoppedOnChoice;
    }
    RecordChoice(program);
    if (!program.output.MODOPDF) {
        const PrinterDecision decision = CheckPrinterBeforeRun(program);
        if (decision == PrinterDecision::Cancel) return ConfirmResult::PrinterCancelled;
        if (decision == PrinterDecision::Pdf) {
            program.output.MODOPDF = true;
            program.output.run.switchedToPdf = true;
        }
    }
    screen.waitPanelVisible = true;
    screen.stopRequested = false;
    screen.progress = reports::ReportProgress{};
    ReportRequest request = BuildReportRequest(screen);
    request.hideWaitPanel = [&program] {
        program.screen.waitPanelVisible = false;
        ShowProgress(program);
    };
    request.progress = ScreenProgress(program);
    ShowProgress(program);
    ReportOutcome outcome = RunReport(reports, request);
    program.output.run.ended = program.clock.Now();
    WriteRunLog(program, request.report);
    screen.DATIMANCANTI = outcome.missingData;
    screen.waitPanelVisible = false;
    screen.stopRequested = false;
    Form_Impostazioni_Iniziali(program);
    return ConfirmResult::ReportRan;
}

}  // namespace kv::app
