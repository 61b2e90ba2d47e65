#include "reports/company_report.hpp"

#include "archive/descriptors.hpp"
#include "archive/number_text.hpp"
#include "archive/repository.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_document.hpp"
#include "output/pdf_folders.hpp"
#include "reports/closing_message.hpp"
#include "reports/report_lines.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

// Reads the company of a list entry into DITX; false when there is no live company to report.
bool ReadCompany(ReportForm& form, const SelectedCompany& company) {
    const double record = archive::NumericValue(company.code);
    if (record < 1 || !ReadInto(form, kCompanyFile, record, form.archive.buffers.DITX)) return false;
    return archive::RepoN(form.archive, archive::T001) != 0;
}

// One company: collect, print, end its output. True when the collection stored a note.
bool RunCompany(ReportForm& form, const CompanyReportKind& kind) {
    try {
        kind.collect(form);
        form.progress.CountPayees(form.table.Payees());
        kind.print(form);
        form.progress.PayeeDone();  // the last payee
        if (form.output.MODOPDF || kind.printerJobPerCompany) output::EndCompanyOutput(form.output);
    } catch (const platform::RuntimeError& error) {
        output::DiscardDocument(form.output);
        output::RecordFailure(form.output, CompanyOf(form), output::FailedFile(error), error);
        ShowReportFailure(form, kind.name, error);
    }
    return form.collection.DOCTROVATI;
}

// A run the user stopped says so in its outcome, with how far it went.
void RecordStop(ReportForm& form) {
    if (!form.progress.Stopped()) return;
    const ReportProgress& done = form.progress.progress();
    output::RunOutcome& run = form.output.run;
    run.cancelled = true;
    run.companiesDone = done.companiesDone;
    run.companies = done.companies;
}

}  // namespace

ReportOutcome RunCompanyReport(const ReportContext& context, const ReportRequest& request,
                               const CompanyReportKind& kind) {
    ReportForm form(context, request);
    bool anyCompanyDone = false;  // some DITTAFATTA entry is True
    form.progress.Start(static_cast<int>(request.companies.size()));
    for (const SelectedCompany& company : request.companies) {
        form.progress.BeginCompany();
        if (ReadCompany(form, company)) {
            form.output.PAGINANUOVA = true;
            form.companyCode = archive::RepoR(form.archive, archive::T001);
            if (RunCompany(form, kind)) anyCompanyDone = true;
        }
        form.progress.CompanyDone();
        if (form.progress.StopAsked()) break;
    }
    RecordStop(form);
    if (request.hideWaitPanel) request.hideWaitPanel();
    ShowCompanyReportClosing(form, kind.name, !anyCompanyDone);
    return ReportOutcome{form.collection.DATIMANCANTI, anyCompanyDone, form.progress.Stopped()};
}

void CountPrintedRow(ReportForm& form, int row) {
    if (row > 1 && form.table.BeginsPayee(row)) {
        form.progress.PayeeDone();
    } else {
        form.progress.Tick();
    }
}

std::string CompanyLine(ReportForm& form) {
    const std::string text = "DITTA: " + form.companyCode + " " + Trim(archive::RepoR(form.archive, archive::T002)) +
                             " " + Trim(archive::RepoR(form.archive, archive::T003));
    return PadOrCut(text, 99) + "Pag." + PageDigits(form.cursor.page);
}

void CompanyPageHeading(ReportForm& form, const std::string& title, const std::string& prefixCurrentYear,
                        const std::string& prefixPreviousYear) {
    ++form.cursor.page;
    output::ReportDocument document;
    document.company = form.companyCode;
    document.kind = output::kKindFeeNotes;
    document.period = form.currentPeriod;
    document.prefix = form.request.currentYear ? prefixCurrentYear : prefixPreviousYear;
    const bool firstPage = form.output.PAGINANUOVA;
    form.output.PAGINANUOVA = false;
    output::OpenHeadingPage(form.output, document, firstPage);
    output::HeadingFont(form.output, kListFontSize);
    form.cursor.row = 0.5;
    const std::string dashes = Repeat('-', kListWidth);
    Line(form, 0.5, dashes, 0.35);
    Line(form, 8, title, 0.35);
    Line(form, 0.5, dashes, 0.35);
    Line(form, 0.5, CompanyLine(form), 0.35);
    Line(form, 0.5, dashes, 0.7);
    form.cursor.items = 0;
}

}  // namespace kv::reports
