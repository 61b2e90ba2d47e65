#include "gui/win32/window_main.hpp"

#include "app/archive_reports.hpp"
#include "app/program.hpp"
#include "app/program_end.hpp"
#include "gui/model_action.hpp"
#include "gui/win32/selection_window.hpp"
#include "gui/win32/win32_dialogs.hpp"

namespace kv::gui::win32 {

int RunWindow(const app::Environment& environment, platform::BatchPrinting& printing,
              const platform::Clock& clock) {
    Win32Dialogs dialogs;
    app::Program program(environment, dialogs, printing.printers(), clock);
    if (std::optional<int> ended = StartProgram(program)) return *ended;
    // Every print job goes to the printer start-up chose (none: the system's default).
    std::unique_ptr<platform::PrinterDevice> printer =
        printing.MakePrinter(program.services, [&program] { return program.start.printerName; });
    program.output.printer = printer.get();
    app::ArchiveReports reports(program);
    SelectionWindow window(program, reports);
    dialogs.SetOwner(window.handle());
    const int status = window.Run();
    dialogs.SetOwner(nullptr);
    app::CloseAllFiles(program);
    return status;
}

}  // namespace kv::gui::win32
