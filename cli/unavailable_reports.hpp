#pragma once
// Report drivers for a build without the reports: each says that its report is not available yet
// and ends the program with the fatal status.

#include <ostream>

#include "app/report_request.hpp"

namespace kv::cli {

class UnavailableReports : public app::ReportDrivers {
public:
    explicit UnavailableReports(std::ostream& err) : err_(err) {}

    app::ReportOutcome Elenco_Documenti(const app::ReportRequest& request) override;
    app::ReportOutcome Registro_Compensi_Terzi(const app::ReportRequest& request) override;
    app::ReportOutcome Elenco_Percipienti_Stampa(const app::ReportRequest& request) override;
    app::ReportOutcome Elenco_Certificazioni(const app::ReportRequest& request) override;

private:
    [[noreturn]] void NotAvailable(const app::ReportRequest& request);

    std::ostream& err_;
};

}  // namespace kv::cli
