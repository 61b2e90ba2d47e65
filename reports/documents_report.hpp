#pragma once
// The list of documents ("Elenco Documenti"): per company, every fee note of the period grouped by
// payee, with its amounts and the data of the tax payment; six documents to a page.

#include "reports/report_form.hpp"

namespace kv::reports {

// The driver, as the confirm command calls it.
ReportOutcome Elenco_Documenti(const ReportContext& context, const ReportRequest& request);

// The documents table of the company in DITX: whole year, or the chosen months (read from N016).
void Elenco_Documenti_Array_Tutti(ReportForm& form);
void Elenco_Documenti_Array_Mesi(ReportForm& form);

// One page heading; the body of the company.
void Elenco_Documenti_Testata(ReportForm& form);
void Elenco_Documenti_Stampa(ReportForm& form);

inline constexpr int kDocumentsPerPage = 6;

// The columns of the documents table, one row per note.
struct DocumentColumn {
    enum : int {
        kPayeeCode = kPayeeCodeColumn,
        kName,
        kBirthAndFiscalCode,  // birthplace, birth date and fiscal code in one text
        kDomicile,
        kNumber,
        kFee,  // the seven amounts, in this order, from here on
        kNotSubject,
        kWithholding,
        kCommission,
        kExempt,
        kAdvanceExpenses,
        kCommissionWithholding,
        kTaxCode,
        kPaidOn,  // month of the payment
        kPaymentDate,
        kPaidAmount,
        kStampNumber,
    };
};

}  // namespace kv::reports
