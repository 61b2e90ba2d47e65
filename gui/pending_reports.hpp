#pragma once
// Report drivers for a build without the reports: each says in a message box that its report is
// not available yet, and the screen goes on.

#include "app/report_request.hpp"
#include "platform/services.hpp"

namespace kv::gui {

class PendingReports : public app::ReportDrivers {
public:
    explicit PendingReports(platform::Services& services) : services_(services) {}

    app::ReportOutcome Elenco_Documenti(const app::ReportRequest& request) override;
    app::ReportOutcome Registro_Compensi_Terzi(const app::ReportRequest& request) override;
    app::ReportOutcome Elenco_Percipienti_Stampa(const app::ReportRequest& request) override;
    app::ReportOutcome Elenco_Certificazioni(const app::ReportRequest& request) override;

private:
    app::ReportOutcome NotAvailable(const app::ReportRequest& request);

    platform::Services& services_;
};

}  // namespace kv::gui
