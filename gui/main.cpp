// kvvelm: the selection screen in a window.

#include <QApplication>
#include <QIcon>
#include <clocale>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "gui/gui_main.hpp"
#include "gui/qt_translations.hpp"
#include "platform/errors.hpp"
#include "platform/qt/qt_printers.hpp"

namespace {

// Qt aborts when it finds no display; say so plainly instead.
bool HasDisplay() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// The icon the package installs, from the icon theme or beside the installed program; none when
// the program runs from its build folder.
QIcon InstalledIcon() {
    QIcon icon = QIcon::fromTheme("kvvelm");
    if (icon.isNull()) {
        icon = QIcon(QApplication::applicationDirPath() +
                     "/../share/icons/hicolor/256x256/apps/kvvelm.png");
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::cerr << "kvvelm: nessuno schermo (DISPLAY non impostato); senza schermo usare kvvelm-batch\n";
        return kv::platform::exit_status::kFatal;
    }
    QApplication qt(argc, argv);
    kv::gui::InstallItalianTranslations(qt);
    QApplication::setWindowIcon(InstalledIcon());
    QGuiApplication::setDesktopFileName("kvvelm");
    // Qt sets the C library's locale from the user's; the program reads LC_NUMERIC itself, and
    // the C library keeps the "." that the PDF and archive texts need.
    std::setlocale(LC_NUMERIC, "C");
    kv::platform::SystemClock clock;
    // KVVELM_PRINTERS names the printers for a test or a demo; otherwise the system's queues.
    const char* printerSetting = std::getenv("KVVELM_PRINTERS");
    std::unique_ptr<kv::platform::Printers> printers =
        printerSetting != nullptr ? kv::platform::MakePrinters(printerSetting)
                                  : std::make_unique<kv::platform::qt::QtPrinters>();
    return kv::gui::RunWindow(kv::app::Environment::FromProcess(), *printers, clock);
}
