// kvvelm.exe: the selection screen in a native Windows window.

#include <cstdlib>

#include "gui/win32/window_main.hpp"
#include "platform/batch_printing.hpp"
#include "platform/clock.hpp"

int main() {
    kv::platform::SystemClock clock;
    // KVVELM_PRINTERS names the printers for a test; otherwise the spooler's.
    std::unique_ptr<kv::platform::BatchPrinting> printing =
        kv::platform::OpenBatchPrinting(std::getenv("KVVELM_PRINTERS"));
    return kv::gui::win32::RunWindow(kv::app::Environment::FromProcess(), *printing, clock);
}
