#include "output/run_log.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "output/pdf_folders.hpp"
#include "platform/paths.hpp"
#include "platform/text_encoding.hpp"

namespace kv::output {

namespace {

std::string Line(const platform::LocalDateTime& at, const std::string& text) { return IsoTime(at) + " " + text + "\n"; }

std::string RunLine(const RunOutcome& run, const std::string& report) {
    std::string text = "ESECUZIONE " + report + (run.pdf ? " PDF" : " STAMPA");
    if (run.switchedToPdf) text += " (stampante non utilizzabile: creati PDF)";
    if (run.cancelled) text += " (interrotta)";
    text += ": file creati " + std::to_string(run.written.size()) + ", sostituiti " +
            std::to_string(run.ReplacedCount()) + ", non riusciti " + std::to_string(run.failed.size()) +
            ", ditte non stampate " + std::to_string(run.notPrinted.size()) + ", parcelle escluse " +
            std::to_string(run.skippedNotes.size());
    return Line(run.ended, text + (run.Complete() ? " - completa" : " - NON COMPLETA"));
}

}  // namespace

std::string IsoTime(const platform::LocalDateTime& m) {
    const int offset = m.utcOffsetMinutes < 0 ? -m.utcOffsetMinutes : m.utcOffsetMinutes;
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", m.year, m.month, m.day, m.hour,
                  m.minute, m.second, m.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string RunLogText(const RunOutcome& run, const std::string& report) {
    std::string text;
    for (const WrittenFile& file : run.written)
        text += Line(file.at, "FILE " + file.path + (file.archival ? " (PDF/A)" : "") +
                                  (file.replaced ? " (sostituito)" : ""));
    for (const FailedOutput& failure : run.failed) {
        const std::string company = LabelText(failure.company);
        text += Line(failure.at, "ERRORE " + std::to_string(failure.number) + (company.empty() ? "" : " " + company) +
                                     ": " + failure.reason);
    }
    for (const SkippedNote& note : run.skippedNotes)
        text += Line(run.ended, "PARCELLA ESCLUSA " + LabelText(note.company) + " percipiente " + note.payee +
                                    " documento " + note.document);
    for (const CompanyLabel& company : run.notPrinted) text += Line(run.ended, "NON STAMPATA " + LabelText(company));
    for (const NotArchival& miss : run.notArchival)
        text += Line(run.ended, "NON PDF/A " + LabelText(miss.company) + ": " + miss.reason);
    return text + RunLine(run, report);
}

std::string AppendRunLog(OutputState& state, const std::string& report) {
    const std::string folder = platform::JoinPath(BaseFolderOf(state.archive.archiveFolder), kPdfRootFolder);
    const std::string path = platform::JoinPath(folder, kRunLogName);
    try {
        if (!state.services.files.FolderExists(folder)) state.services.files.CreateFolder(folder);
        std::ofstream log(state.services.files.Resolve(path), std::ios::app | std::ios::binary);
        log << platform::Cp1252ToUtf8(RunLogText(state.run, report));
        log.flush();
        if (!log) return "impossibile scrivere il registro " + path + ": " + std::strerror(errno);
    } catch (const platform::RuntimeError& error) {
        return "impossibile scrivere il registro " + path + ": " + error.description();
    }
    return "";
}

}  // namespace kv::output
