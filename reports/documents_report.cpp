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
    const ReportTable& t = form.table;
    Line(form, 0.5, "PERCIPIENTE : " + t.Cell(row, 1) + " " + t.Cell(row, 2), 0.35);
    Line(form, 0.5, "NATO A      : " + t.Cell(row, 3), 0.35);
    Line(form, 0.5, "DOMICILIO   : " + t.Cell(row, 4), 0.7);
}

void DocumentBlock(ReportForm& form, int row) {
    const ReportTable& t = form.table;
    const std::string dashes = Repeat('-', kListWidth);
    const std::string gap = "  ";
    output::BodyFont(form.output, kListFontSize, true);
    Line(form, 0.5, dashes, 0.35);
    Line(form, 0.5, "NUMERO DOCUMENTO : " + t.Cell(row, 5), 0.35);
    Line(form, 0.5, dashes, 0.35);
    output::BodyFont(form.output, kListFontSize, false);
    Line(form, 0.5,
         "TOT.AMM.L.AUTONOMO:" + t.Cell(row, 6) + gap + "SOMME NO SOG.:" + t.Cell(row, 7) + gap +
             "RIT.OPER. :" + t.Cell(row, 8),
         0.35);
    Line(form, 0.5,
         "TOT.AMM.L.AUT.PROV:" + t.Cell(row, 9) + gap + "QUOTA ESENTE :" + t.Cell(row, 10) + gap +
             "SPESE ANT.:" + t.Cell(row, 11) + gap + "RIT.OPER. :" + t.Cell(row, 12),
         0.7);
    output::BodyFont(form.output, kListFontSize, true);
    Line(form, 0.5, "DATI VERSAMENTO", 0.7);
    output::BodyFont(form.output, kListFontSize, false);
    Line(form, 0.5,
         "CODICE TRIBUTO  : " + t.Cell(row, 13) + gap + "DATA CORRESPONS.: " + t.Cell(row, 14) + gap +
             "DATA VERSAMENTO : " + t.Cell(row, 15),
         0.35);
    Line(form, 0.5, "IMPORTO VERSATO : " + t.Cell(row, 16) + gap + "NUM. BOLLO / Q. : " + t.Cell(row, 17), 0.7);
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
    for (int row = 1; !form.table.EndsAt(row); ++row) {
        CountPrintedRow(form, row);
        const double payee = archive::NumericValue(form.table.Cell(row, 1));
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
        DocumentBlock(form, row);
        ++form.cursor.items;
    }
}

}  // namespace kv::reports
