#pragma once
// The report-driver interface of the confirm command. The request and outcome are the reports' own
// types (reports/report_request.hpp), named here as the screen uses them. What a run did file by file
// (written, failed, skipped, not printed) is the output layer's RunOutcome, which the confirm command
// clears at the start of each run and leaves in Program::output.run for the front ends.

#include "output/run_outcome.hpp"
#include "reports/report_request.hpp"

namespace kv::app {

using output::CompanyLabel;
using output::FailedOutput;
using output::RunOutcome;
using output::SkippedNote;
using output::WrittenFile;
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
