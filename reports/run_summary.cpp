#include "reports/run_summary.hpp"

#include <functional>

namespace kv::reports {

namespace {

using Lines = std::vector<std::string>;

// A heading with the count, then one indented line per entry up to the list's length.
template <class Entry>
void AddList(Lines& lines, const std::string& heading, const std::vector<Entry>& entries,
             const std::function<std::string(const Entry&)>& line) {
    if (entries.empty()) return;
    lines.push_back(heading + ": " + std::to_string(entries.size()));
    for (size_t i = 0; i < entries.size() && i < kSummaryListLength; ++i) lines.push_back("  " + line(entries[i]));
    if (entries.size() > kSummaryListLength)
        lines.push_back("  ... e altri " + std::to_string(entries.size() - kSummaryListLength));
}

std::vector<output::WrittenFile> Replaced(const output::RunOutcome& run) {
    std::vector<output::WrittenFile> replaced;
    for (const output::WrittenFile& file : run.written)
        if (file.replaced) replaced.push_back(file);
    return replaced;
}

std::string FailureLine(const output::FailedOutput& failure) {
    const std::string company = output::LabelText(failure.company);
    const std::string reason = "Errore " + std::to_string(failure.number) + " " + failure.reason;
    return company.empty() ? reason : company + ": " + reason;
}

std::string SkippedLine(const output::SkippedNote& note) {
    return output::LabelText(note.company) + " - percipiente " + note.payee + ", documento " + note.document;
}

}  // namespace

std::vector<std::string> SummaryLines(const output::RunOutcome& run) {
    Lines lines;
    if (run.switchedToPdf)
        lines.push_back("La stampante non era utilizzabile: i documenti sono stati creati in PDF.");
    if (run.cancelled)
        lines.push_back("Elaborazione annullata: ditte completate " + std::to_string(run.companiesDone) + " su " +
                        std::to_string(run.companies) + ".");
    if (run.pdf || run.switchedToPdf) {
        if (!run.written.empty() || !run.failed.empty())
            lines.push_back("File PDF creati: " + std::to_string(run.written.size()));
        AddList<output::WrittenFile>(lines, "File PDF sostituiti", Replaced(run),
                                     [](const output::WrittenFile& file) { return file.path; });
        AddList<output::FailedOutput>(lines, "File PDF non creati", run.failed, FailureLine);
    } else {
        AddList<output::CompanyLabel>(lines, "Stampe non eseguite", run.notPrinted, output::LabelText);
        AddList<output::FailedOutput>(lines, "Errori di stampa", run.failed, FailureLine);
    }
    AddList<output::SkippedNote>(lines, "Parcelle escluse per dati mancanti (N016/N021)", run.skippedNotes,
                                 SkippedLine);
    AddList<output::NotArchival>(lines, "Documenti non in PDF/A", run.notArchival, [](const output::NotArchival& miss) {
        return output::LabelText(miss.company) + ": " + miss.reason;
    });
    return lines;
}

std::string SummaryText(const output::RunOutcome& run) {
    std::string text;
    for (const std::string& line : SummaryLines(run)) {
        if (!text.empty()) text += "\r";
        text += line;
    }
    return text;
}

}  // namespace kv::reports
