// kvvelm-batch: the headless front end.

#include <cstdlib>
#include <iostream>
#include <optional>

#include "app/archive_reports.hpp"
#include "cli/batch_main.hpp"
#include "cli/locale_text.hpp"
#include "cli/terminal_progress.hpp"
#include "platform/batch_printing.hpp"
#include "platform/command_line.hpp"
#include "platform/terminal.hpp"

int main(int argc, char** argv) {
    // Unicode (Windows) or in the locale's codeset on the command line; Windows-1252 inside.
    std::optional<std::vector<std::string>> arguments = kv::platform::UnicodeArguments();
    if (!arguments) {
        arguments = kv::cli::ArgumentsText(std::vector<std::string>(argv + 1, argv + argc),
                                           kv::cli::EnvironmentCodeset());
    }
    kv::platform::SystemClock clock;
    // KVVELM_PRINTERS names the printers for a test or a demo; otherwise the system's.
    std::unique_ptr<kv::platform::BatchPrinting> printing =
        kv::platform::OpenBatchPrinting(std::getenv("KVVELM_PRINTERS"));
    std::unique_ptr<kv::platform::PrinterDevice> printer;
    std::unique_ptr<kv::cli::TerminalProgress> progress;
    return kv::cli::RunBatch(*arguments, kv::app::Environment::FromProcess(), printing->printers(), clock,
                             std::cout, std::cerr,
                             [&](kv::app::Program& program, std::ostream&) -> std::unique_ptr<kv::app::ReportDrivers> {
                                 // A person watching standard error sees how far the report has gone.
                                 if (kv::platform::StandardErrorIsTerminal()) {
                                     progress = std::make_unique<kv::cli::TerminalProgress>(program, std::cerr);
                                 }
                                 // Start-up has chosen the printer by now; every job goes to it.
                                 printer = printing->MakePrinter(program.services, [&program] {
                                     return program.start.printerName;
                                 });
                                 program.output.printer = printer.get();
                                 program.printerRefusal = [&printing](const std::string& name) {
                                     return printing->Refusal(name);
                                 };
                                 return std::make_unique<kv::app::ArchiveReports>(program);
                             });
}
