#include "app/screen_confirm.hpp"

#include <algorithm>

#include "app/screen_controls.hpp"
#include "app/screen_reset.hpp"

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
    platform::MessageBox box;
    box.title = std::string(kScreenCaption);
    box.text = *message;
    box.icon = platform::Icon::Information;
    platform::ShowMessage(program.services, box);
    return true;
}

void RecordChoice(Program& program) {
    ScreenState& screen = program.screen;
    screen.DATIMANCANTI = false;
    program.output.MODOPDF = !screen.printerOutput;
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

}  // namespace

std::optional<std::string> ChoiceMessage(bool companyChosen, bool monthChosen, bool reportChosen) {
    std::vector<std::string> missing;
    if (!companyChosen) missing.push_back("una Ditta");
    if (!monthChosen) missing.push_back("un Periodo");
    if (!reportChosen) missing.push_back("un Documento");
    if (missing.empty()) return std::nullopt;
    std::string text = "Per proseguire \xE8 necessario scegliere " + missing.front();
    for (std::size_t i = 1; i < missing.size(); ++i) {
        text += (i + 1 == missing.size() ? " e " : ", ") + missing[i];
    }
    return text + " da Stampare";
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
    return request;
}

ConfirmResult CmdConferma_Click(Program& program, ReportDrivers& reports) {
    ScreenState& screen = program.screen;
    if (screen.report != kElencoPercipienti && ShowChoiceMessage(program)) {
        return ConfirmResult::StoppedOnChoice;
    }
    RecordChoice(program);
    screen.waitPanelVisible = true;
    ReportRequest request = BuildReportRequest(screen);
    request.hideWaitPanel = [&screen] { screen.waitPanelVisible = false; };
    ReportOutcome outcome = RunReport(reports, request);
    screen.DATIMANCANTI = outcome.missingData;
    screen.waitPanelVisible = false;
    Form_Impostazioni_Iniziali(program);
    return ConfirmResult::ReportRan;
}

}  // namespace kv::app
