#include "gui/pending_reports.hpp"

#include "app/screen_controls.hpp"

namespace kv::gui {

app::ReportOutcome PendingReports::NotAvailable(const app::ReportRequest& request) {
    if (request.hideWaitPanel) request.hideWaitPanel();
    platform::MessageBox box;
    box.title = request.screenCaption;
    box.text = "Il documento \"" +
               std::string(app::kReportCaptions.at(static_cast<std::size_t>(request.report))) +
               "\" non \xE8 ancora disponibile in questa versione.";
    box.icon = platform::Icon::Information;
    platform::ShowMessage(services_, box);
    return app::ReportOutcome{};
}

app::ReportOutcome PendingReports::Elenco_Documenti(const app::ReportRequest& request) {
    return NotAvailable(request);
}

app::ReportOutcome PendingReports::Registro_Compensi_Terzi(const app::ReportRequest& request) {
    return NotAvailable(request);
}

app::ReportOutcome PendingReports::Elenco_Percipienti_Stampa(const app::ReportRequest& request) {
    return NotAvailable(request);
}

app::ReportOutcome PendingReports::Elenco_Certificazioni(const app::ReportRequest& request) {
    return NotAvailable(request);
}

}  // namespace kv::gui
