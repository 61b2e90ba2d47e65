#include "app/archive_reports.hpp"

#include "reports/certificates_report.hpp"
#include "reports/documents_report.hpp"
#include "reports/payees_report.hpp"
#include "reports/register_report.hpp"

namespace kv::app {

namespace {

reports::ReportContext ContextOf(Program& program) {
    return reports::ReportContext{program.archive, program.output, program.start.currentPeriod};
}

}  // namespace

ReportOutcome ArchiveReports::Elenco_Documenti(const ReportRequest& request) {
    return reports::Elenco_Documenti(ContextOf(program_), request);
}

ReportOutcome ArchiveReports::Registro_Compensi_Terzi(const ReportRequest& request) {
    return reports::Registro_Compensi_Terzi(ContextOf(program_), request);
}

ReportOutcome ArchiveReports::Elenco_Percipienti_Stampa(const ReportRequest& request) {
    return reports::Elenco_Percipienti_Stampa(ContextOf(program_), request);
}

ReportOutcome ArchiveReports::Elenco_Certificazioni(const ReportRequest& request) {
    return reports::Elenco_Certificazioni(ContextOf(program_), request);
}

}  // namespace kv::app
