#pragma once
// The report-driver interface of the confirm command. The request and outcome are the reports' own
// types (reports/report_request.hpp), named here as the screen uses them.

#include "reports/report_request.hpp"

namespace kv::app {

using reports::ReportOutcome;
using reports::ReportRequest;
using reports::SelectedCompany;

// The four reports, one member each, as the confirm command calls them.
class ReportDrivers {
public:
    virtual ~ReportDrivers() = default;
    virtual ReportOutcome Elenco_Documenti(const ReportRequest& request) = 0;
    virtual ReportOutcome Registro_Compensi_Terzi(const ReportRequest& request) = 0;
    virtual ReportOutcome Elenco_Percipienti_Stampa(const ReportRequest& request) = 0;
    virtual ReportOutcome Elenco_Certificazioni(const ReportRequest& request) = 0;
};

}  // namespace kv::app
