#include "cli/start_up_info.hpp"

#include "platform/text_encoding.hpp"

namespace kv::cli {

namespace {

// A value as the terminal shows it; a blank one (a missing period record, say) as "(none)".
std::string Shown(const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return "(none)";
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
    if (start.printerName.empty()) return "(none)";
    return platform::Cp1252ToUtf8(start.printerName) +
           (start.printerFromSettings ? " (printer-settings file)" : " (system default)");
}

}  // namespace

void PrintStartUpInfo(const app::Program& program, std::ostream& out) {
    const app::StartUpState& start = program.start;
    out << "Archive folder: " << Shown(program.archive.archiveFolder) << "\n"
        << "Program folder: " << Shown(start.programFolder) << "\n"
        << "Installation code: " << Shown(program.archive.installationCode) << "\n"
        << "Holder: " << Shown(start.holderName) << "\n"
        << "Current period: " << Shown(start.currentPeriod) << "\n"
        << "Year of the documents: " << Shown(program.screen.yearLabel) << "\n"
        << "Companies: " << program.screen.companies.size() << "\n";
    for (const app::CompanyEntry& entry : program.screen.companies) {
        out << "  " << platform::Cp1252ToUtf8(VisiblePart(entry.text)) << "\n";
    }
    out << "Printer: " << PrinterLine(start) << "\n";
}

}  // namespace kv::cli
