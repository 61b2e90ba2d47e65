#include "cli/unavailable_reports.hpp"

#include "app/screen_controls.hpp"
#include "platform/errors.hpp"

namespace kv::cli {

app::ReportOutcome UnavailableReports::Elenco_Documenti(const app::ReportRequest& request) {
    NotAvailable(request);
}

app::ReportOutcome UnavailableReports::Registro_Compensi_Terzi(const app::ReportRequest& request) {
    NotAvailable(request);
}

app::ReportOutcome UnavailableReports::Elenco_Percipienti_Stampa(const app::ReportRequest& request) {
    NotAvailable(request);
}

app::ReportOutcome UnavailableReports::Elenco_Certificazioni(const app::ReportRequest& request) {
    NotAvailable(request);
}

void UnavailableReports::NotAvailable(const app::ReportRequest& request) {
    std::string name = request.report >= 0 && request.report < 4
                           ? std::string(app::kReportCaptions[request.report])
                           : std::string("?");
    std::string reason = "documento \"" + name + "\" non ancora disponibile in questa versione";
    err_ << "kvvelm-batch: " << reason << "\n";
    throw platform::ProgramEnd(platform::exit_status::kFatal, reason);
}

}  // namespace kv::cli
