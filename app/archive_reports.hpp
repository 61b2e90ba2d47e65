#pragma once
// The report drivers the confirm command runs on the program's archives and output state: each
// member calls the report of reports/ with the program's context.

#include "app/program.hpp"
#include "app/report_request.hpp"

namespace kv::app {

class ArchiveReports : public ReportDrivers {
public:
    explicit ArchiveReports(Program& program) : program_(program) {}

    ReportOutcome Elenco_Documenti(const ReportRequest& request) override;
    ReportOutcome Registro_Compensi_Terzi(const ReportRequest& request) override;
    ReportOutcome Elenco_Percipienti_Stampa(const ReportRequest& request) override;
    ReportOutcome Elenco_Certificazioni(const ReportRequest& request) override;

private:
    Program& program_;
};

}  // namespace kv::app
