#pragma once
// The driver shared by the three reports that run company by company (list of documents, register,
// certificates): for each selected company, read its record, collect, print, end its document or
// print job; then the closing message. Also the page heading the list of documents and the register
// share.

#include <string>

#include "reports/report_form.hpp"

namespace kv::reports {

struct CompanyReportKind {
    std::string name;                    // "Elenco Documenti": the messages say "Stampa " & name ...
    void (*collect)(ReportForm& form);   // the report's collection pair, chosen by the request
    void (*print)(ReportForm& form);     // the report's body
    bool printerJobPerCompany = true;    // false: the body ends its own print jobs
};

// Runs the report for every selected company. A company whose record reads 0 in T001 is left out. A
// failure on the way (a folder or file that cannot be written, the printer) shows its message with
// the stop icon and the run goes on with the next company; the documents finished stay. Progress
// is told company by company and payee by payee; asked to stop, the run ends after the company
// under way, whose file is finished (or, on a failure, removed).
ReportOutcome RunCompanyReport(const ReportContext& context, const ReportRequest& request,
                               const CompanyReportKind& kind);

// Before a table row is printed: the payee of the rows before it is done when the row begins another
// payee; either way the front end hears from the run.
void CountPrintedRow(ReportForm& form, int row);

// The page heading of the list of documents and of the register: the document or page, the bold
// heading font, the dash lines, the title at column 8, the company line with the page number.
// Leaves the row at 2.6 and the items on the page at 0.
void CompanyPageHeading(ReportForm& form, const std::string& title, const std::string& prefixCurrentYear,
                        const std::string& prefixPreviousYear);

// The company line: "DITTA: " & T001 & " " & name & " " & continuation, padded or cut to 99
// characters, then "Pag." and the page number in two digits.
std::string CompanyLine(ReportForm& form);

inline constexpr float kListFontSize = 9;
inline constexpr int kListWidth = 105;

}  // namespace kv::reports
