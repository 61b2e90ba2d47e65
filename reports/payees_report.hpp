#pragma once
// The list of payees ("Elenco Percipienti"): one line per payee of the payee archive, in one
// document (PERCIPIENTI.pdf) or print job, whatever companies, year and months are chosen.

#include "reports/report_form.hpp"

namespace kv::reports {

// Driver and body: the whole report and its closing message.
ReportOutcome Elenco_Percipienti_Stampa(const ReportContext& context, const ReportRequest& request);

// One page heading: the first opens the document, later ones a page.
void Elenco_Percipienti_Testata(ReportForm& form, bool PAGINASEGUENTE);

inline constexpr double kPayeesLastRow = 28;  // a payee below this row goes to the next page

}  // namespace kv::reports
