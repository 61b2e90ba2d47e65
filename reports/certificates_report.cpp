#include "reports/certificates_report.hpp"

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_folders.hpp"
#include "reports/company_report.hpp"
#include "reports/report_lines.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

struct Font {
    float size;
    bool bold;
};
constexpr Font kRegular{10, false};
constexpr Font kBold{10, true};
constexpr Font kLarge{12, true};

// Lines written with a font each; the font is set only when it changes.
struct Writer {
    ReportForm& form;
    Font current{0, false};

    void Write(Font font, double column, std::string text, double advance) {
        if (font.size != current.size || font.bold != current.bold) {
            output::BodyFont(form.output, font.size, font.bold);
            current = font;
        }
        Line(form, column, std::move(text), advance);
    }
};

const std::string kDashes = Repeat('-', 93);
const std::string kRule = std::string(80, ' ') + "____________";

void Collect(ReportForm& form) {
    if (form.request.allMonths) {
        Elenco_Certificazioni_Array_Tutti(form);
    } else {
        Elenco_Certificazioni_Array_Mesi(form);
    }
}

std::string Company(ReportForm& form, std::string_view descriptor) {
    return Trim(archive::RepoR(form.archive, descriptor));
}

using C = CertificateColumn;

void PayeeData(Writer& w, const ReportTable& t, int row) {
    w.Write(kRegular, 0.5, Joined({"01. NOMINATIVO          : ", t.Cell(row, C::kName)}), 0.7);
    w.Write(kRegular, 0.5, Joined({"02. DATA DI NASCITA     : ", t.Cell(row, C::kBirthDate)}), 0.7);
    w.Write(kRegular, 0.5, Joined({"03. COMUNE DI NASCITA   : ", t.Cell(row, C::kBirthplace)}), 0.7);
    w.Write(kRegular, 0.5, Joined({"04. INDIRIZZO RESIDENZA : ", t.Cell(row, C::kAddress)}), 0.7);
    w.Write(kRegular, 0.5, Joined({"05. COMUNE DI RESIDENZA : ", t.Cell(row, C::kTown)}), 0.7);
    w.Write(kRegular, 0.5, Joined({"06. CODICE FISCALE      : ", t.Cell(row, C::kFiscalCode)}), 0.7);
    w.Write(kRegular, 0.5, kDashes, 0.7);
}

void Statement(Writer& w, const ReportTable& t, int row) {
    const ReportForm& form = w.form;
    const std::string rate = FormatRate(CentsOfText(t.Cell(row, C::kRate), form.output.decimalSeparator),
                                        form.output.decimalSeparator);
    w.Write(kBold, 3.8, "Per gli adempimenti previsti dalle vigenti norme tributarie si", 0.7);
    w.Write(kLarge, 9.5, "ATTESTA", 0.7);
    w.Write(kBold, 0.5,
            "che  nel  corso  dell'anno " + Trim(form.request.yearText) +
                "  sono  stati  corrisposti  i seguenti compensi assoggettati",
            0.35);
    w.Write(kBold, 0.5, "a ritenuta d'acconto del " + rate + " %", 0.7);
    w.Write(kBold, 0.5, "CAUSALE :" + Trim(t.Cell(row, C::kReason)), 0.35);
    w.Write(kBold, 0.5, kDashes, 0.7);
}

void Amounts(Writer& w, const ReportTable& t, int row) {
    auto amount = [&](const char* label, int column, double advance) {
        w.Write(kRegular, 0.5, Joined({label, " : Euro ", t.Cell(row, column)}), advance);
    };
    amount("07. TOTALE LORDO........................................................", C::kGross, 0.7);
    amount("08. NON SOGGETTO A RITENUTA.............................................", C::kNotSubject, 0.7);
    amount("8B. IVA.................................................................", C::kVat, 0.7);
    amount("8C. CASSA...............................................................", C::kFund, 0.35);
    w.Write(kRegular, 0.5, kRule, 0.7);
    amount("09. IMPONIBILE IRPEF (07-08-8B-8C)......................................", C::kTaxable, 0.7);
    amount("10. RITENUTE OPERATE (IMPORTO)..........................................", C::kWithholding, 0.7);
    amount("11. RIT. PREV. SEPARATA I.N.P.S. (IMPORTO)..............................", C::kSeparateWithholding, 0.7);
    amount("12. IMPOSTA DI BOLLO (IMPORTO)..........................................", C::kStampDuty, 0.7);
    amount("13. SPESE ANTICIPATE (IMPORTO)..........................................", C::kAdvanceExpenses, 0.35);
    w.Write(kRegular, 0.5, kRule, 0.7);
    amount("14. IMPORTO NETTO CORRISPOSTO (07-10-11-12-13)..........................", C::kNetPaid, 0.7);
}

void Closing(Writer& w) {
    w.Write(kBold, 0.5, kDashes, 0.7);
    w.Write(kBold, 0.5, "Le cifre globali su esposte corrispondono alle singole registrazioni risultanti nel conto",
            0.35);
    w.Write(kBold, 0.5, "individuale intestato al percipiente.", 0.7);
    w.Write(kBold, 0.5,
            "L'Importo delle ritenute \xE8 stato versato in conformit\xE0 alle disposizioni in materia.", 1.4);
    w.Write(kBold, 15.3, "In fede", 1.4);
    w.Write(kRegular, 1.8, w.form.request.certificateDate, 0.2);
    w.Write(kRegular, 0.5, "_____________________", 0);
    w.Write(kRegular, 12.5, "__________________________________", 0.35);
    w.Write(kRegular, 2, "(Data)", 0);
    w.Write(kRegular, 14.5, "(Timbro e Firma)", 0);
}

// Each certificate is a print job of its own: a lost one names the company and the payee.
output::CompanyLabel CertificateJob(ReportForm& form, int row) {
    output::CompanyLabel job = CompanyOf(form);
    job.document = "certificazione " + Trim(form.table.Cell(row, 1)) + " " + Trim(form.table.Cell(row, 2));
    return job;
}

}  // namespace

ReportOutcome Elenco_Certificazioni(const ReportContext& context, const ReportRequest& request) {
    return RunCompanyReport(context, request,
                            CompanyReportKind{"Elenco Certificazioni", Collect, Elenco_Certificazioni_Stampa, false});
}

void Elenco_Certificazioni_Testata(ReportForm& form) {
    ++form.cursor.page;
    output::ReportDocument document;
    document.company = form.companyCode;
    document.kind = output::kKindFeeNotes;
    document.period = form.currentPeriod;
    document.prefix = form.request.currentYear ? "PARC_AC_" : "PARC_AP_";
    const bool firstPage = form.output.PAGINANUOVA;
    form.output.PAGINANUOVA = false;
    output::OpenHeadingPage(form.output, document, firstPage);
    output::HeadingFont(form.output, kBold.size);
    form.cursor.row = 1.0;
    Writer w{form, kBold};
    w.Write(kBold, 0.5, "DITTA       : " + Company(form, archive::T002) + " " + Company(form, archive::T003), 0.35);
    w.Write(kBold, 0.5, "INDIRIZZO   : " + Company(form, archive::T004), 0.35);
    w.Write(kBold, 0.5,
            "COMUNE      : " + Company(form, archive::T005) + " " + Company(form, archive::T006) + " (" +
                Company(form, archive::T007) + ")",
            0.35);
    w.Write(kBold, 0.5, "COD.FISC.   : " + archive::RepoR(form.archive, archive::T012), 0.35);
    w.Write(kBold, 0.5, "PARTITA IVA : " + archive::RepoR(form.archive, archive::T013), 1.4);
    w.Write(kLarge, 7, "CERTIFICAZIONI DEI COMPENSI", 0.35);
    w.Write(kLarge, 6.3, "ASSOGGETTATI A RITENUTA D'ACCONTO", 0.35);
    w.Write(kLarge, 4.6, "(Art. 3/25 bis D.P.R. 29 Settembre 1973 n. 600)", 0.7);
    w.Write(kBold, 0.5, kDashes, 0.35);
    w.Write(kBold, 0.5, "DATI IDENTIFICATIVI DEL SOGGETTO PERCIPIENTE", 0.35);
    w.Write(kBold, 0.5, kDashes, 0.7);
}

void Elenco_Certificazioni_Stampa(ReportForm& form) {
    form.cursor.page = 0;
    for (int row = 1; !form.table.EndsAt(row); ++row) {
        CountPrintedRow(form, row);
        Elenco_Certificazioni_Testata(form);
        Writer w{form, kBold};
        PayeeData(w, form.table, row);
        Statement(w, form.table, row);
        Amounts(w, form.table, row);
        Closing(w);
        if (!form.output.MODOPDF) output::EndCompanyOutput(form.output, CertificateJob(form, row));
    }
}

}  // namespace kv::reports
