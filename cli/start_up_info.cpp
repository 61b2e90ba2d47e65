#include "cli/start_up_info.hpp"

#include "platform/text_encoding.hpp"

namespace kv::cli {

namespace {

// A value as the terminal shows it; a blank one (a missing period record, say) as "(vuoto)".
std::string Shown(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return "(vuoto)";
    return platform::Cp1252ToUtf8(text);
}

// The visible part of a list entry: what stands before the 30 blanks.
std::string VisiblePart(const std::string& entryText) {
    auto end = entryText.find(std::string(30, ' '));
    std::string visible = entryText.substr(0, end);
    while (!visible.empty() && visible.back() == ' ') visible.pop_back();
    return visible;
}

std::string PrinterLine(const app::StartUpState& start) {
    if (start.printerName.empty()) return "(nessuna)";
    return platform::Cp1252ToUtf8(start.printerName) +
           (start.printerFromSettings ? " (file delle impostazioni di stampa)" : " (predefinita del sistema)");
}

}  // namespace

void PrintStartUpInfo(const app::Program& program, std::ostream& out) {
    const app::StartUpState& start = program.start;
    out << "Cartella archivi: " << Shown(program.archive.archiveFolder) << "\n"
        << "Cartella programmi: " << Shown(start.programFolder) << "\n"
        << "Codice installazione: " << Shown(program.archive.installationCode) << "\n"
        << "Intestatario: " << Shown(start.holderName) << "\n"
        << "Periodo corrente: " << Shown(start.currentPeriod) << "\n"
        << "Anno dei documenti: " << Shown(program.screen.yearLabel) << "\n"
        << "Ditte: " << program.screen.companies.size() << "\n";
    for (const app::CompanyEntry& entry : program.screen.companies) {
        out << "  " << platform::Cp1252ToUtf8(VisiblePart(entry.text)) << "\n";
    }
    out << "Stampante: " << PrinterLine(start) << "\n";
}

}  // namespace kv::cli
