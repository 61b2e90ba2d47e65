// The certificate rows: the notes of each payee summed, one row per payee when the sums are not zero.
#include <utility>

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "reports/certificates_report.hpp"
#include "reports/collection.hpp"
#include "reports/payee_columns.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

// Adds the note in PARX: a self-employment note (N006 not 0) or a commission note.
void AddNote(ReportForm& form, PayeeSums& sums) {
    auto cents = [&](std::string_view descriptor) { return CentsOfField(form.archive, descriptor); };
    sums.vat += cents(archive::N032);
    if (const Cents fee = cents(archive::N006); fee != 0) {
        sums.gross += fee;
        sums.notSubject += cents(archive::N007);
        sums.fund += cents(archive::N033);
        sums.withholding += cents(archive::N009);
        sums.separateWithholding += cents(archive::N029);
        sums.stampDuty += cents(archive::N034);
        return;
    }
    sums.gross += cents(archive::N010);
    sums.notSubject += cents(archive::N011);
    sums.withholding += cents(archive::N014);
    sums.advanceExpenses += cents(archive::N012);
}

class CertificateRows : public NoteSink {
public:
    void BeginPayee(ReportForm&) override { sums_ = PayeeSums{}; }
    void Store(ReportForm& form) override { AddNote(form, sums_); }
    void EndPayee(ReportForm& form) override { Elenco_Certificazioni_Scrivi_Totale(form); }

private:
    // Writes the row of the payee in PERX when any sum is not zero.
    void Elenco_Certificazioni_Scrivi_Totale(ReportForm& form) {
        if (sums_.AllZero()) return;
        const int row = ++rows_;
        const char separator = form.output.decimalSeparator;
        auto field = [&](std::string_view descriptor) { return archive::RepoR(form.archive, descriptor); };
        using C = CertificateColumn;
        ReportTable& t = form.table;
        t.Set(row, C::kPayeeCode, field(archive::M001));
        t.Set(row, C::kName, PayeeName(form));
        t.Set(row, C::kBirthplace, PayeeBirthplace(form));
        t.Set(row, C::kBirthDate, PayeeBirthDate(form));
        t.Set(row, C::kTown, PayeeTown(form));
        t.Set(row, C::kAddress, PayeeAddress(form));
        t.Set(row, C::kFiscalCode, field(archive::M004));
        const std::pair<int, Cents> amounts[] = {
            {C::kGross, sums_.gross},
            {C::kNotSubject, sums_.notSubject},
            {C::kVat, sums_.vat},
            {C::kFund, sums_.fund},
            {C::kTaxable, sums_.Taxable()},
            {C::kWithholding, sums_.withholding},
            {C::kSeparateWithholding, sums_.separateWithholding},
            {C::kStampDuty, sums_.stampDuty},
            {C::kNetPaid, sums_.NetPaid()},
            {C::kAdvanceExpenses, sums_.advanceExpenses},
        };
        for (const auto& [column, cents] : amounts) t.Set(row, column, AmountColumn(cents, separator));
        t.Set(row, C::kRate, FormatAmount(CentsOfField(form.archive, archive::M018), separator));
        t.Set(row, C::kReason, Trim(Trim(field(archive::M017)) + " " + Trim(field(archive::M028))));
    }

    PayeeSums sums_;
    int rows_ = 0;  // the rows' own counter: RIGA plays no part here
};

}  // namespace

bool PayeeSums::AllZero() const {
    return gross == 0 && notSubject == 0 && vat == 0 && fund == 0 && withholding == 0 &&
           separateWithholding == 0 && stampDuty == 0 && advanceExpenses == 0;
}

void Elenco_Certificazioni_Array_Tutti(ReportForm& form) {
    CertificateRows rows;
    CollectWholeYear(form, kMonthsFromN016, rows);
}

void Elenco_Certificazioni_Array_Mesi(ReportForm& form) {
    CertificateRows rows;
    CollectChosenMonths(form, kMonthsFromN016, rows);
}

}  // namespace kv::reports
