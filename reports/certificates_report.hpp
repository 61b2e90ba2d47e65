#pragma once
// The withholding-tax certificates ("Certificazioni"): one certificate per payee of each company, on a
// page of its own, with the sums of the payee's notes in the period and the legal wording.

#include "reports/money.hpp"
#include "reports/report_form.hpp"

namespace kv::reports {

ReportOutcome Elenco_Certificazioni(const ReportContext& context, const ReportRequest& request);

// The certificate rows of the company in DITX: one per payee whose sums are not all zero.
void Elenco_Certificazioni_Array_Tutti(ReportForm& form);
void Elenco_Certificazioni_Array_Mesi(ReportForm& form);

// One heading; the body of the company (a certificate per row).
void Elenco_Certificazioni_Testata(ReportForm& form);
void Elenco_Certificazioni_Stampa(ReportForm& form);

// The columns of the certificates table, one row per payee.
struct CertificateColumn {
    enum : int {
        kPayeeCode = kPayeeCodeColumn,
        kName,
        kBirthplace,
        kBirthDate,
        kTown,
        kAddress,
        kFiscalCode,
        kGross,
        kNotSubject,
        kVat,
        kFund,
        kTaxable,
        kWithholding,
        kSeparateWithholding,
        kStampDuty,
        kNetPaid,
        kRate,
        kReason,
        kAdvanceExpenses,
    };
};

// The sums of a payee's notes, in cents.
struct PayeeSums {
    Cents gross = 0, notSubject = 0, vat = 0, fund = 0, withholding = 0, separateWithholding = 0,
          stampDuty = 0, advanceExpenses = 0;

    bool AllZero() const;
    Cents Taxable() const { return gross - notSubject - vat - fund; }
    Cents NetPaid() const { return gross - withholding - separateWithholding - stampDuty - advanceExpenses; }
};

}  // namespace kv::reports
