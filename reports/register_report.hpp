#pragma once
// The register of fees paid to third parties ("Registro Compensi a Terzi"): per company, one line per
// fee note grouped by payee, with the payee's totals; a page holds at most 65 lines.

#include "reports/money.hpp"
#include "reports/report_form.hpp"

namespace kv::reports {

ReportOutcome Registro_Compensi_Terzi(const ReportContext& context, const ReportRequest& request);

// The register table of the company in DITX: whole year (year from N016), or the months chosen
// (read from N021).
void Registro_Compensi_Terzi_Array_Tutti(ReportForm& form);
void Registro_Compensi_Terzi_Array_Mesi(ReportForm& form);

inline constexpr int kRegisterLinesPerPage = 65;

// The columns of the register table, one row per note.
struct RegisterColumn {
    enum : int {
        kPayeeCode = kPayeeCodeColumn,
        kName,
        kBirth,  // birthplace and birth date
        kDomicile,
        kNumber,
        kPaymentDate,
        kGross,
        kWithholding,
        kNet,
        kNotSubject,
        kVat,
        kTotalPaid,
        kFiscalCode,
        kAdvanceExpenses = 19,  // commissions only
    };
};

// The payee totals in cents, in the order of the totals line: gross, withholding, net, not subject,
// advance expenses, VAT, total paid.
struct RegisterTotals {
    Cents amounts[7] = {};
};

// One page heading (that of the list of documents with this report's title and prefixes); the body
// of the company; the totals block of a payee, which sets its totals back to 0.
void Registro_Compensi_Terzi_Testata(ReportForm& form);
void Registro_Compensi_Terzi_Stampa(ReportForm& form);
void Registro_Compensi_Terzi_Totali(ReportForm& form, RegisterTotals& totals);

}  // namespace kv::reports
