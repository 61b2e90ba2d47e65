#pragma once
// The message a report shows when it is done: nothing found, printed, or where the PDF files are,
// with the warning about notes that lack data.

#include <string>

#include "reports/report_form.hpp"

namespace kv::reports {

inline constexpr const char* kNothingFound = "Nessun Documento presente per il periodo selezionato";

// The closing message of the list of documents, the register and the certificates; `name` is the
// report's name in the texts ("Elenco Documenti").
void ShowCompanyReportClosing(ReportForm& form, const std::string& name, bool nothingFound);

// A failure on the report path: "Errore <number>" and the description naming the file, with the stop
// icon, titled "Stampa " & name.
void ShowReportFailure(ReportForm& form, const std::string& name, const platform::RuntimeError& error);

// The same message as data, for the drivers and their tests.
platform::MessageBox CompanyReportClosing(const ReportForm& form, const std::string& name, bool nothingFound);

}  // namespace kv::reports
