#include "app/standard_printer.hpp"

#include <algorithm>

#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"

namespace kv::app {

namespace {

// Line 2 of the printer-settings file; empty when the file is missing, empty or has one line.
std::string SettingsPrinterName(archive::ArchiveState& archive) {
    if (archive::VERBASE(archive, kPrinterSettingsFile) == 0) return "";
    archive::FAIOPENIO(archive, kPrinterSettingsFile, 0);
    std::string name;
    if (!archive::TextAtEnd(archive, kPrinterSettingsFile)) {
        archive::ReadTextLine(archive, kPrinterSettingsFile);  // line 1 is not used
        if (!archive::TextAtEnd(archive, kPrinterSettingsFile)) {
            name = archive::ReadTextLine(archive, kPrinterSettingsFile);
        }
    }
    archive::CHIUDI(archive, kPrinterSettingsFile);
    return name;
}

}  // namespace

std::string MatchPrinter(const std::vector<std::string>& installed, const std::string& wanted) {
    if (wanted.empty()) return "";
    auto match = std::find(installed.begin(), installed.end(), wanted);
    return match == installed.end() ? "" : *match;
}

void LEGGISTAMPANTESTD(Program& program) {
    program.services.trail.TRACCIA("LEGGISTAMPANTESTD");
    program.start.printerName = program.printers.DefaultDeviceName();
    program.start.printerFromSettings = false;
    std::string chosen =
        MatchPrinter(program.printers.DeviceNames(), SettingsPrinterName(program.archive));
    if (!chosen.empty()) {
        program.start.printerName = chosen;
        program.start.printerFromSettings = true;
    }
}

}  // namespace kv::app
