#include "reports/documents_report.hpp"

#include "archive/number_text.hpp"
#include "output/page_forms.hpp"
#include "reports/company_report.hpp"
#include "reports/report_lines.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

void Collect(ReportForm& form) {
    if (form.request.allMonths) {
        Elenco_Documenti_Array_Tutti(form);
    } else {
        Elenco_Documenti_Array_Mesi(form);
    }
}

void PayeeBlock(ReportForm& form, int row) {
    using C = DocumentColumn;
    const ReportTable& t = form.table;
    Line(form, 0.5, Joined({"PERCIPIENTE : ", t.Cell(row, C::kPayeeCode), " ", t.Cell(row, C::kName)}), 0.35);
    Line(form, 0.5, Joined({"NATO A      : ", t.Cell(row, C::kBirthAndFiscalCode)}), 0.35);
    Line(form, 0.5, Joined({"DOMICILIO   : ", t.Cell(row, C::kDomicile)}), 0.7);
}

void DocumentBlock(ReportForm& form, int row, const std::string& dashes) {
    using C = DocumentColumn;
    auto cell = [&](int column) { return form.table.Cell(row, column); };
    const std::string_view gap = "  ";
    output::BodyFont(form.output, kListFontSize, true);
    Line(form, 0.5, dashes, 0.35);
    Line(form, 0.5, Joined({"NUMERO DOCUMENTO : ", cell(C::kNumber)}), 0.35);
    Line(form, 0.5, dashes, 0.35);
    output::BodyFont(form.output, kListFontSize, false);
    Line(form, 0.5,
         Joined({"TOT.AMM.L.AUTONOMO:", cell(C::kFee), gap, "SOMME NO SOG.:", cell(C::kNotSubject), gap,
                 "RIT.OPER. :", cell(C::kWithholding)}),
         0.35);
    Line(form, 0.5,
         Joined({"TOT.AMM.L.AUT.PROV:", cell(C::kCommission), gap, "QUOTA ESENTE :", cell(C::kExempt), gap,
                 "SPESE ANT.:", cell(C::kAdvanceExpenses), gap, "RIT.OPER. :", cell(C::kCommissionWithholding)}),
         0.7);
    output::BodyFont(form.output, kListFontSize, true);
    Line(form, 0.5, "DATI VERSAMENTO", 0.7);
    output::BodyFont(form.output, kListFontSize, false);
    Line(form, 0.5,
         Joined({"CODICE TRIBUTO  : ", cell(C::kTaxCode), gap, "DATA CORRESPONS.: ", cell(C::kPaidOn), gap,
                 "DATA VERSAMENTO : ", cell(C::kPaymentDate)}),
         0.35);
    Line(form, 0.5,
         Joined({"IMPORTO VERSATO : ", cell(C::kPaidAmount), gap, "NUM. BOLLO / Q. : ", cell(C::kStampNumber)}),
         0.7);
}

}  // namespace

ReportOutcome Elenco_Documenti(const ReportContext& context, const ReportRequest& request) {
    return RunCompanyReport(context, request, CompanyReportKind{"Elenco Documenti", Collect, Elenco_Documenti_Stampa});
}

void Elenco_Documenti_Testata(ReportForm& form) {
    CompanyPageHeading(form, "STAMPA ELENCO DOCUMENTI", "PARD_AC_", "PARD_AP_");
}

void Elenco_Documenti_Stampa(ReportForm& form) {
    form.cursor.page = 0;
    form.cursor.items = 0;
    double currentPayee = 0;
    const std::string dashes = Repeat('-', kListWidth);
    for (int row = 1; !form.table.EndsAt(row); ++row) {
        CountPrintedRow(form, row);
        const double payee = archive::NumericValue(form.table.Cell(row, DocumentColumn::kPayeeCode));
        if (payee != currentPayee) {
            if (currentPayee != 0) output::BreakPrinterPage(form.output);
            Elenco_Documenti_Testata(form);
            PayeeBlock(form, row);
            currentPayee = payee;
        } else if (form.cursor.items >= kDocumentsPerPage) {
            output::BreakPrinterPage(form.output);
            Elenco_Documenti_Testata(form);
            PayeeBlock(form, row);
        }
        DocumentBlock(form, row, dashes);
        ++form.cursor.items;
    }
}

}  // namespace kv::reports
