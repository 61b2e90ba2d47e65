#pragma once
// The message a report shows when it is done: nothing found, printed, or where the PDF files are,
// with the warning about notes that lack data.

#include <string>

#include "reports/report_form.hpp"

namespace kv::reports {

inline constexpr const char* kNothingFound = "Nessun Documento presente per il periodo selezionato";

// The closing message of the list of documents, the register and the certificates; `name` is the
// report's name in the texts ("Elenco Documenti"). The described lines say only what happened (no
// "terminata" for a print that was lost, no folder when no file was written); the run's summary
// follows them.
void ShowCompanyReportClosing(ReportForm& form, const std::string& name, bool nothingFound);

// A failure on the report path: "Errore <number>" and the description naming the file, with the stop
// icon, titled "Stampa " & name.
void ShowReportFailure(ReportForm& form, const std::string& name, const platform::RuntimeError& error);

// The box with the run's summary below its lines; the exclamation icon when a file or print job of
// the run did not come out; what the window offers to open when the run wrote PDF files.
platform::MessageBox WithSummary(platform::MessageBox box, const output::RunOutcome& run);

// The folder of each file the run wrote, one a line in the order written, ten at most, then
// "… e altre n": the real folders below the described placeholder folder.
std::string WrittenFolderLines(const output::RunOutcome& run);

// The closing message of a PDF run that wrote no file at all.
platform::MessageBox NothingWritten(const std::string& name);

// The same message as data, for the drivers and their tests.
platform::MessageBox CompanyReportClosing(const ReportForm& form, const std::string& name, bool nothingFound);

}  // namespace kv::reports
