#include "reports/closing_message.hpp"

#include "output/pdf_folders.hpp"
#include "reports/run_summary.hpp"

namespace kv::reports {

namespace {

constexpr const char* kMissingDataNothingFound =
    "Attenzione, una o pi\xF9 parcelle non sono state stampate in quanto prive dei dati necessari "
    "(CAMPI N016/N021)";
constexpr const char* kPdfFolderIntro = "I file PDF creati sono contenuti nella relativa cartella situata in :";
constexpr const char* kFeeNoteFolders = "\\FILE-PDF\\DITTA\\ANNO\\MESE\\PARC";
constexpr size_t kListedFolders = 10;

platform::MessageBox Box(std::string title, std::string text) {
    return platform::OkBox(std::move(title), std::move(text), platform::Icon::Information);
}

}  // namespace

platform::MessageBox WithSummary(platform::MessageBox box, const output::RunOutcome& run) {
    const std::string summary = SummaryText(run);
    if (!summary.empty()) box.text += "\r\r" + summary;
    if (!run.Complete()) box.icon = platform::Icon::Exclamation;
    box.openFolder = run.HostFolder();
    box.openFile = run.HostFile();
    return box;
}

std::string WrittenFolderLines(const output::RunOutcome& run) {
    const std::vector<std::string> folders = run.Folders();
    std::string lines;
    for (size_t i = 0; i < folders.size() && i < kListedFolders; ++i) lines += (i == 0 ? "" : "\r") + folders[i];
    if (folders.size() > kListedFolders)
        lines += "\r\x85 e altre " + std::to_string(folders.size() - kListedFolders);
    return lines;
}

platform::MessageBox NothingWritten(const std::string& name) {
    return Box("Creazione modulo PDF " + name, "Nessun file PDF \xE8 stato creato.");
}

namespace {

platform::MessageBox Closing(const ReportForm& form, const std::string& name, bool nothingFound) {
    const bool missingData = form.collection.DATIMANCANTI;
    const output::RunOutcome& run = form.output.run;
    if (nothingFound) {
        return WithSummary(Box(form.request.screenCaption, missingData ? kMissingDataNothingFound : kNothingFound),
                           run);
    }
    const std::string title = "Stampa " + name;
    if (!form.output.MODOPDF) {
        if (!run.Complete()) return WithSummary(Box(title, title + " non completata"), run);
        if (!missingData) return WithSummary(Box(title, title + " terminata"), run);
        return WithSummary(Box(title, title + " terminata.\r\rATTENZIONE :\r\r"
                                              "ALCUNE PARCELLE NON SONO STATE STAMPATE IN QUANTO PRIVE DEI\r"
                                              "DATI NECESSARI PER LA STAMPA (CAMPI N016/N021)\r\r"),
                           run);
    }
    if (run.written.empty()) return WithSummary(NothingWritten(name), run);
    std::string text = std::string(kPdfFolderIntro) + "\r\r" +
                       output::PdfFolderText(form.output.BASEPDF, kFeeNoteFolders);
    if (missingData) {
        text += "\r\r\rATTENZIONE :\r\r"
                "ALCUNE PARCELLE NON SONO STATE CREATE IN QUANTO PRIVE DEI\r"
                "DATI NECESSARI PER LA CREAZIONE (CAMPI N016/N021)";
    }
    text += "\r\r" + WrittenFolderLines(run);
    return WithSummary(Box("Creazione modulo PDF " + name, text), run);
}

}  // namespace

platform::MessageBox CompanyReportClosing(const ReportForm& form, const std::string& name, bool nothingFound) {
    return Closing(form, name, nothingFound);
}

void ShowReportFailure(ReportForm& form, const std::string& name, const platform::RuntimeError& error) {
    platform::ShowMessage(form.archive.services,
                          platform::OkBox("Stampa " + name,
                                          "Errore " + std::to_string(error.number()) + "\r" + error.description(),
                                          platform::Icon::Stop));
}

void ShowCompanyReportClosing(ReportForm& form, const std::string& name, bool nothingFound) {
    if (!nothingFound && form.output.MODOPDF && form.output.PDFCREATO != 1 && form.output.run.failed.empty()) return;
    platform::ShowMessage(form.archive.services, CompanyReportClosing(form, name, nothingFound));
}

}  // namespace kv::reports
