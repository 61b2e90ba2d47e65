// The documents table: one row per stored note.
#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "reports/collection.hpp"
#include "reports/documents_report.hpp"
#include "reports/money.hpp"
#include "reports/payee_columns.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

class DocumentRows : public NoteSink {
public:
    void BeginPayee(ReportForm&) override { payee_.Forget(); }
    void Store(ReportForm& form) override {
        const int row = NextRow(form);
        if (row == 0) return;
        auto field = [&](std::string_view descriptor) { return archive::RepoR(form.archive, descriptor); };
        auto amount = [&](std::string_view descriptor) {
            return AmountColumn(CentsOfField(form.archive, descriptor), form.output.decimalSeparator);
        };
        using C = DocumentColumn;
        ReportTable& t = form.table;
        const PayeeRowText& payee = payee_.Get(form);
        t.Set(row, C::kPayeeCode, payee.code);
        t.Set(row, C::kName, payee.name);
        t.Set(row, C::kBirthAndFiscalCode, payee.birth + " CODICE FISCALE " + payee.fiscalCode);
        t.Set(row, C::kDomicile, payee.domicile);
        t.Set(row, C::kNumber, DocumentNumber(form));
        const std::string_view amounts[] = {archive::N006, archive::N007, archive::N009, archive::N010,
                                            archive::N011, archive::N012, archive::N014};
        for (int i = 0; i < 7; ++i) t.Set(row, C::kFee + i, amount(amounts[i]));
        t.Set(row, C::kTaxCode, LeftIn10(Trim(field(archive::N015))));
        t.Set(row, C::kPaidOn, LeftIn10(MonthYear(field(archive::N016))) + "   ");
        t.Set(row, C::kPaymentDate, LeftIn10(DayMonthYear(field(archive::N017))));
        t.Set(row, C::kPaidAmount,
              LeftIn10(FormatAmount(CentsOfField(form.archive, archive::N020), form.output.decimalSeparator)));
        t.Set(row, C::kStampNumber, LeftIn10(Trim(field(archive::N019))));
    }

private:
    PayeeRowCache payee_;
};

}  // namespace

void Elenco_Documenti_Array_Tutti(ReportForm& form) {
    DocumentRows rows;
    CollectWholeYear(form, kMonthsFromN016, rows);
}

void Elenco_Documenti_Array_Mesi(ReportForm& form) {
    DocumentRows rows;
    CollectChosenMonths(form, kMonthsFromN016, rows);
}

}  // namespace kv::reports
