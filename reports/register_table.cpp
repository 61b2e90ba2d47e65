// The register table: one row per stored note, amounts by the kind of fee.
#include <optional>

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "reports/collection.hpp"
#include "reports/payee_columns.hpp"
#include "reports/register_report.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

struct RegisterAmounts {
    Cents gross, withholding, net, notSubject, vat, totalPaid;
    std::optional<Cents> advanceExpenses;
};

// The amounts of the note in PARX; nothing when it is neither a fee (N006) nor a commission (N010).
std::optional<RegisterAmounts> AmountsOf(ReportForm& form) {
    auto cents = [&](std::string_view descriptor) { return CentsOfField(form.archive, descriptor); };
    const Cents vat = cents(archive::N032);
    if (const Cents fee = cents(archive::N006); fee != 0) {
        const Cents withholding = cents(archive::N009);
        const Cents net = fee - withholding;
        return RegisterAmounts{fee, withholding, net, cents(archive::N007), vat, net + vat, std::nullopt};
    }
    if (const Cents commission = cents(archive::N010); commission != 0) {
        const Cents withholding = cents(archive::N014);
        const Cents advance = cents(archive::N012);
        const Cents net = commission - withholding - advance;
        return RegisterAmounts{commission, withholding, net, cents(archive::N011), vat, net + vat, advance};
    }
    return std::nullopt;
}

class RegisterRows : public NoteSink {
public:
    void BeginPayee(ReportForm&) override { payee_.Forget(); }
    void Store(ReportForm& form) override {
        const int row = NextRow(form);
        if (row == 0) return;
        using C = RegisterColumn;
        ReportTable& t = form.table;
        const PayeeRowText& payee = payee_.Get(form);
        t.Set(row, C::kPayeeCode, payee.code);
        t.Set(row, C::kName, payee.name);
        t.Set(row, C::kBirth, payee.birth);
        t.Set(row, C::kDomicile, payee.domicile);
        t.Set(row, C::kNumber, DocumentNumber(form));
        t.Set(row, C::kPaymentDate, DayMonthYear(archive::RepoR(form.archive, archive::N021)));
        t.Set(row, C::kFiscalCode, payee.fiscalCode);
        const std::optional<RegisterAmounts> a = AmountsOf(form);
        if (!a) return;
        const char separator = form.output.decimalSeparator;
        t.Set(row, C::kGross, AmountColumn(a->gross, separator));
        t.Set(row, C::kWithholding, AmountColumn(a->withholding, separator));
        t.Set(row, C::kNet, AmountColumn(a->net, separator));
        t.Set(row, C::kNotSubject, AmountColumn(a->notSubject, separator));
        t.Set(row, C::kVat, AmountColumn(a->vat, separator));
        t.Set(row, C::kTotalPaid, AmountColumn(a->totalPaid, separator));
        if (a->advanceExpenses) t.Set(row, C::kAdvanceExpenses, AmountColumn(*a->advanceExpenses, separator));
    }

private:
    PayeeRowCache payee_;
};

}  // namespace

void Registro_Compensi_Terzi_Array_Tutti(ReportForm& form) {
    RegisterRows rows;
    CollectWholeYear(form, kMonthsFromN016, rows);
}

void Registro_Compensi_Terzi_Array_Mesi(ReportForm& form) {
    RegisterRows rows;
    CollectChosenMonths(form, kMonthsFromN021, rows);
}

}  // namespace kv::reports
