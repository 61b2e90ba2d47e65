// The documents table: one row per stored note, columns 1 to 17.
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
    void Store(ReportForm& form) override {
        const int row = NextRow(form);
        if (row == 0) return;
        auto field = [&](std::string_view descriptor) { return archive::RepoR(form.archive, descriptor); };
        auto amount = [&](std::string_view descriptor) {
            return AmountColumn(CentsOfField(form.archive, descriptor), form.output.decimalSeparator);
        };
        ReportTable& t = form.table;
        t.Cell(row, 1) = field(archive::M001);
        t.Cell(row, 2) = PayeeName(form);
        t.Cell(row, 3) = PayeeBirthplace(form) + " IL GIORNO " + PayeeBirthDate(form) + " CODICE FISCALE " +
                         field(archive::M004);
        t.Cell(row, 4) = PayeeDomicile(form);
        t.Cell(row, 5) = DocumentNumber(form);
        const std::string_view amounts[] = {archive::N006, archive::N007, archive::N009, archive::N010,
                                            archive::N011, archive::N012, archive::N014};
        for (int i = 0; i < 7; ++i) t.Cell(row, 6 + i) = amount(amounts[i]);
        t.Cell(row, 13) = LeftIn10(Trim(field(archive::N015)));
        t.Cell(row, 14) = LeftIn10(MonthYear(field(archive::N016))) + "   ";
        t.Cell(row, 15) = LeftIn10(DayMonthYear(field(archive::N017)));
        t.Cell(row, 16) = LeftIn10(FormatAmount(CentsOfField(form.archive, archive::N020), form.output.decimalSeparator));
        t.Cell(row, 17) = LeftIn10(Trim(field(archive::N019)));
    }
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
