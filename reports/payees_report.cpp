#include "reports/payees_report.hpp"

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_document.hpp"
#include "output/pdf_folders.hpp"
#include "reports/closing_message.hpp"
#include "reports/report_lines.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

constexpr const char* kName = "Elenco Percipienti";
// The list is no company's: its print job and failures are named by the list's name.
const output::CompanyLabel kJob{"", kName};

// Writes the payee in PERX: code, name, fiscal code as stored, then a dash line.
void PayeeLine(ReportForm& form) {
    auto field = [&](std::string_view descriptor) { return archive::RepoR(form.archive, descriptor); };
    output::BodyFont(form.output, 10, false);
    Line(form, 0.5,
         field(archive::M001) + std::string(17, ' ') + field(archive::M002) + " " + field(archive::M003) + "   " +
             field(archive::M004),
         0.35);
    Line(form, 0.5, Repeat('-', 95), 0.35);
}

// Prints every live payee; true when any was printed.
bool PrintPayees(ReportForm& form) {
    bool printed = false;
    for (int record = 1; record <= kLastRecordWalked; ++record) {
        form.progress.Tick();
        if (!ReadInto(form, kPayeeFile, record, form.archive.buffers.PERX)) continue;
        if (archive::RepoN(form.archive, archive::M099) == 99) continue;
        if (form.cursor.row > kPayeesLastRow) {
            output::BreakPrinterPage(form.output);
            Elenco_Percipienti_Testata(form, true);
        }
        printed = true;
        PayeeLine(form);
    }
    return printed;
}

platform::MessageBox Closing(const ReportForm& form, bool printed) {
    const output::RunOutcome& run = form.output.run;
    platform::MessageBox box = platform::OkBox(form.request.screenCaption, "", platform::Icon::Information);
    if (!printed && run.failed.empty()) {
        box.text = kNothingFound;
    } else if (form.output.MODOPDF) {
        if (run.written.empty()) return WithSummary(NothingWritten(kName), run);
        box.title = std::string("Creazione modulo PDF ") + kName;
        box.text = "I file PDF creati sono contenuti nella relativa cartella situata in :\r\r" +
                   output::PdfFolderText(form.output.BASEPDF, "\\FILE-PDF\\PERCIPIENTI");
    } else {
        box.title = std::string("Stampa ") + kName + " - " + form.request.screenCaption;
        box.text = std::string("Stampa ") + kName + (run.Complete() ? " terminata" : " non completata");
    }
    return WithSummary(box, run);
}

}  // namespace

void Elenco_Percipienti_Testata(ReportForm& form, bool PAGINASEGUENTE) {
    ++form.cursor.page;
    output::ReportDocument document;
    document.kind = output::kKindPayees;
    document.period = form.currentPeriod;
    document.prefix = output::kKindPayees;
    document.options.nameOnly = true;
    output::OpenHeadingPage(form.output, document, !PAGINASEGUENTE);
    output::HeadingFont(form.output, 12);
    form.cursor.row = 1.0;
    Line(form, 0.5, Repeat('-', 93), 0.35);
    Line(form, 0.5, "STAMPA ELENCO PERCIPIENTI" + std::string(47, ' ') + "Pag." + PageDigits(form.cursor.page), 0.35);
    Line(form, 0.5, Repeat('-', 93), 0.35);
    output::BodyFont(form.output, 10, true);
    Line(form, 0.5,
         "COD. PERCIPIENTE" + std::string(5, ' ') + PadOrCut("NOMINATIVO PERCIPIENTE", 40) + std::string(5, ' ') +
             "CODICE FICALE",
         0.35);
    Line(form, 0.5, Repeat('-', 95), 0.35);
}

ReportOutcome Elenco_Percipienti_Stampa(const ReportContext& context, const ReportRequest& request) {
    ReportForm form(context, request);
    bool printed = false;
    form.progress.Start(1);  // one list for all the payees
    try {
        Elenco_Percipienti_Testata(form, false);
        printed = PrintPayees(form);
        output::EndCompanyOutput(form.output, kJob);
        form.progress.CompanyDone();
    } catch (const platform::RuntimeError& error) {
        output::DiscardDocument(form.output);
        output::RecordFailure(form.output, kJob, output::FailedFile(error), error);
        ShowReportFailure(form, kName, error);
    }
    if (request.hideWaitPanel) request.hideWaitPanel();
    platform::ShowMessage(form.archive.services, Closing(form, printed));
    return ReportOutcome{false, printed};
}

}  // namespace kv::reports
