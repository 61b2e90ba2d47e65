#include "gui/win32/window_main.hpp"

#include <optional>

#include "app/archive_reports.hpp"
#include "app/program.hpp"
#include "app/program_end.hpp"
#include "app/screen_reactions.hpp"
#include "gui/model_action.hpp"
#include "gui/win32/selection_window.hpp"
#include "gui/win32/win32_dialogs.hpp"
#include "platform/errors.hpp"
#include "platform/settings.hpp"

namespace kv::gui::win32 {

int RunWindow(const app::Environment& environment, platform::BatchPrinting& printing,
              const platform::Clock& clock) {
    Win32Dialogs dialogs;
    app::Program program(environment, dialogs, printing.printers(), clock);
    if (std::optional<int> ended = StartProgram(program)) {
        // The box has said another KVVELM is open: its window comes forward instead.
        if (*ended == platform::exit_status::kOtherInstance) RaiseRunningWindow();
        return *ended;
    }
    // Every print job goes to the printer start-up chose (none: the system's default).
    std::unique_ptr<platform::PrinterDevice> printer =
        printing.MakePrinter(program.services, [&program] { return program.start.printerName; });
    program.output.printer = printer.get();
    program.printerRefusal = [&printing](const std::string& name) { return printing.Refusal(name); };
    std::unique_ptr<platform::Settings> settings = platform::MakeSettings();
    program.settings = settings.get();
    app::RecallSettings(program);
    app::ArchiveReports reports(program);
    std::optional<SelectionWindow> window;
    // A window that cannot be made (no display under wine, say) ends the program with a box.
    if (std::optional<int> ended = RunModelAction(program, [&] { window.emplace(program, reports); })) {
        app::CloseAllFiles(program);
        return *ended;
    }
    dialogs.SetOwner(window->handle());
    const int status = window->Run();
    dialogs.SetOwner(nullptr);
    window.reset();
    app::CloseAllFiles(program);
    return status;
}

}  // namespace kv::gui::win32
