#include "reports/register_report.hpp"

#include "archive/number_text.hpp"
#include "output/page_forms.hpp"
#include "reports/company_report.hpp"
#include "reports/report_lines.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

// Table columns of a document line and the X of each, in centimetres.
struct Placed {
    int column;
    double x;
};
using C = RegisterColumn;
constexpr Placed kLineColumns[] = {{C::kNumber, 0.5},     {C::kPaymentDate, 2.2},      {C::kGross, 4.3},
                                   {C::kWithholding, 6.6}, {C::kNet, 8.8},             {C::kNotSubject, 11.3},
                                   {C::kAdvanceExpenses, 13.2}, {C::kVat, 15.2},       {C::kTotalPaid, 18.3}};
// The amount columns in the order of the totals, from the third entry of kLineColumns on.
constexpr int kFirstAmount = 2;

struct RegisterPrint {
    ReportForm& form;
    RegisterTotals totals;
    double currentPayee = 0;
};

void Collect(ReportForm& form) {
    if (form.request.allMonths) {
        Registro_Compensi_Terzi_Array_Tutti(form);
    } else {
        Registro_Compensi_Terzi_Array_Mesi(form);
    }
}

// The payee block with the column titles; `gap` follows "NUMERO" and "DOCUM.".
void PayeeBlock(ReportForm& form, int row, const std::string& gap) {
    const ReportTable& t = form.table;
    const std::string four(4, ' ');
    const std::string dashes = Repeat('-', kListWidth);
    Line(form, 0.5,
         Joined({"PERCETTORE : ", t.Cell(row, C::kPayeeCode), " ", PadOrCut(t.Cell(row, C::kName), 30), " NATO A ",
                 Trim(t.Cell(row, C::kBirth))}),
         0.35);
    Line(form, 0.5, Joined({"DOMICILIO  : ", t.Cell(row, C::kDomicile)}), 0.35);
    Line(form, 0.5, Joined({"COD.FISC.  : ", t.Cell(row, C::kFiscalCode)}), 0.35);
    Line(form, 0.5, dashes, 0.35);
    Line(form, 0.5,
         "NUMERO" + gap + "DATA     " + four + "COMPENSO" + four + "RITENUTA" + four + "COMPENSO" + four +
             "SOMME NON" + four + "SPESE " + four + "I.V.A." + std::string(9, ' ') + "TOTALE",
         0.35);
    Line(form, 0.5,
         "DOCUM." + gap + "PAGAMENTO" + four + "LORDO   " + four + "ACCONTO " + four + "NETTO   " + four +
             "SOGG.RIT." + four + "ANTIC." + four + "      " + std::string(9, ' ') + "PAGATO",
         0.35);
    Line(form, 0.5, dashes, 0.7);
}

void DocumentLine(RegisterPrint& print, int row) {
    ReportForm& form = print.form;
    output::BodyFont(form.output, kListFontSize, false);
    for (const Placed& placed : kLineColumns) Put(form, placed.x, std::string(form.table.Cell(row, placed.column)));
    for (int i = kFirstAmount; i < static_cast<int>(std::size(kLineColumns)); ++i) {
        const std::string_view text = form.table.Cell(row, kLineColumns[i].column);
        if (text.find_first_not_of(' ') != std::string_view::npos) {
            print.totals.amounts[i - kFirstAmount] += CentsOfText(text, form.output.decimalSeparator);
        }
    }
    form.cursor.row += 0.35;
    ++form.cursor.items;
}

}  // namespace

void Registro_Compensi_Terzi_Testata(ReportForm& form) {
    CompanyPageHeading(form, "STAMPA REGISTRO COMPENSI A TERZI", "PARR_AC_", "PARR_AP_");
}

// The totals block of the payee just printed; the totals start again from 0.
void Registro_Compensi_Terzi_Totali(ReportForm& form, RegisterTotals& totals) {
    const std::string dashes = Repeat('-', kListWidth);
    output::BodyFont(form.output, kListFontSize, true);
    Line(form, 0.5, dashes, 0.35);
    Line(form, 0.5, "TOTALE ", 0.35);
    Put(form, 0.5, "PERIODO");
    for (int i = kFirstAmount; i < static_cast<int>(std::size(kLineColumns)); ++i) {
        Put(form, kLineColumns[i].x, AmountColumn(totals.amounts[i - kFirstAmount], form.output.decimalSeparator));
    }
    form.cursor.row += 0.35;
    Line(form, 0.5, dashes, 0.35);
    totals = RegisterTotals{};
}

void Registro_Compensi_Terzi_Stampa(ReportForm& form) {
    form.cursor.page = 0;
    form.cursor.items = 0;
    RegisterPrint print{form, {}, 0};
    int row = 1;
    for (; !form.table.EndsAt(row); ++row) {
        CountPrintedRow(form, row);
        const double payee = archive::NumericValue(form.table.Cell(row, C::kPayeeCode));
        if (payee != print.currentPayee) {
            if (print.currentPayee != 0) {
                Registro_Compensi_Terzi_Totali(form, print.totals);
                output::BreakPrinterPage(form.output);
            }
            Registro_Compensi_Terzi_Testata(form);
            PayeeBlock(form, row, "   ");
            print.currentPayee = payee;
        } else if (form.cursor.items >= kRegisterLinesPerPage) {
            output::BreakPrinterPage(form.output);
            Registro_Compensi_Terzi_Testata(form);
            PayeeBlock(form, row, "  ");
        }
        DocumentLine(print, row);
    }
    if (row > 1) Registro_Compensi_Terzi_Totali(form, print.totals);
}

ReportOutcome Registro_Compensi_Terzi(const ReportContext& context, const ReportRequest& request) {
    return RunCompanyReport(context, request,
                            CompanyReportKind{"Registro Compensi a Terzi", Collect, Registro_Compensi_Terzi_Stampa});
}

}  // namespace kv::reports
