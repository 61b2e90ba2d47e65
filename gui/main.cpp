// kvvelm: the selection screen in a window.

#include <QApplication>
#include <clocale>
#include <cstdlib>

#include "gui/gui_main.hpp"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    // Qt takes the user's locale for the C library too; the program formats its numbers itself
    // from LC_NUMERIC, so the C library keeps the "." of the PDF and archive texts.
    std::setlocale(LC_NUMERIC, "C");
    kv::platform::SystemClock clock;
    auto printers = kv::platform::MakePrinters(std::getenv("KVVELM_PRINTERS"));
    return kv::gui::RunWindow(kv::app::Environment::FromProcess(), *printers, clock);
}
