#include "gui/gui_main.hpp"

#include <QApplication>

#include "app/program.hpp"
#include "app/program_end.hpp"
#include "app/start_up.hpp"
#include "gui/pending_reports.hpp"
#include "gui/qt_dialogs.hpp"
#include "gui/selection_window.hpp"
#include "platform/errors.hpp"

namespace kv::gui {

int RunWindow(const app::Environment& environment, const platform::Printers& printers,
              const platform::Clock& clock) {
    QtDialogs dialogs;
    app::Program program(environment, dialogs, printers, clock);
    try {
        app::StartUp(program);
    } catch (const platform::ProgramEnd& end) {
        app::CloseAllFiles(program);
        return end.status();
    }
    PendingReports reports(program.services);
    SelectionWindow window(program, reports);
    dialogs.SetParent(&window);
    window.SetOnEnd([](int status) { QApplication::exit(status); });
    window.show();
    int status = QApplication::exec();
    app::CloseAllFiles(program);
    return window.endStatus().value_or(status);
}

}  // namespace kv::gui
