#include "app/printer_check.hpp"

#include <algorithm>

#include "app/screen_controls.hpp"

namespace kv::app {

namespace {

platform::MessageBox PrinterBox(const std::string& problem) {
    return platform::OkBox(std::string(kScreenCaption), "La stampante non pu\xF2 stampare: " + problem,
                           platform::Icon::Stop);
}

}  // namespace

std::string PrinterProblem(const Program& program) {
    const std::string& name = program.start.printerName;
    if (name.empty()) return "nessuna stampante installata";
    const std::vector<std::string> installed = program.printers.DeviceNames();
    if (std::find(installed.begin(), installed.end(), name) == installed.end())
        return "la stampante " + name + " non \xE8 installata";
    if (!program.printerRefusal) return "";
    const std::string refusal = program.printerRefusal(name);
    return refusal.empty() ? "" : "la stampante " + name + " non accetta lavori (" + refusal + ")";
}

PrinterDecision CheckPrinterBeforeRun(Program& program) {
    for (std::string problem = PrinterProblem(program); !problem.empty(); problem = PrinterProblem(program)) {
        platform::MessageBox box = PrinterBox(problem);
        if (program.unattended) {
            platform::ShowMessage(program.services, box);
            throw platform::ProgramEnd(platform::exit_status::kFatal, problem);
        }
        box.text += "\r\rRiprova, crea i PDF al posto della stampa, o annulla.";
        box.buttons = platform::Buttons::RetryPdfCancel;
        box.safeAnswer = platform::Answer::Cancel;
        switch (platform::ShowMessage(program.services, box)) {
            case platform::Answer::Pdf: return PrinterDecision::Pdf;
            case platform::Answer::Retry: continue;
            default: return PrinterDecision::Cancel;
        }
    }
    return PrinterDecision::Print;
}

}  // namespace kv::app
