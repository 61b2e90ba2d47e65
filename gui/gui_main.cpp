#include "gui/gui_main.hpp"

#include <QApplication>
#include <memory>

#include "app/archive_reports.hpp"
#include "app/program.hpp"
#include "app/program_end.hpp"
#include "app/screen_reactions.hpp"
#include "gui/front_request.hpp"
#include "gui/model_action.hpp"
#include "gui/qt_dialogs.hpp"
#include "gui/selection_window.hpp"
#include "platform/errors.hpp"
#include "platform/qt/cups_queue.hpp"
#include "platform/qt/system_printer.hpp"

namespace kv::gui {

int RunWindow(const app::Environment& environment, const platform::Printers& printers,
              const platform::Clock& clock) {
    QtDialogs dialogs;
    app::Program program(environment, dialogs, printers, clock);
    if (std::optional<int> ended = StartProgram(program)) {
        if (*ended == platform::exit_status::kOtherInstance) AskWindowToFront(environment.lockFile);
        return *ended;
    }
    // Every print job goes to the printer start-up chose (none: the system's default).
    std::unique_ptr<platform::PrinterDevice> printer =
        platform::qt::MakeSystemPrinter(program.services, [&program] {
            return platform::qt::PrintTarget{program.start.printerName, ""};
        });
    program.output.printer = printer.get();
    program.printerRefusal = platform::qt::PrinterRefusal;
    std::unique_ptr<platform::Settings> settings = platform::MakeSettings();
    program.settings = settings.get();
    app::RecallSettings(program);
    app::ArchiveReports reports(program);
    SelectionWindow window(program, reports);
    FrontRequests frontRequests(environment.lockFile, window);
    dialogs.SetParent(&window);
    window.SetOnEnd([](int status) { QApplication::exit(status); });
    window.show();
    int status = QApplication::exec();
    app::CloseAllFiles(program);
    return window.endStatus().value_or(status);
}

}  // namespace kv::gui
