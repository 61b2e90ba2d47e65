#pragma once
// The whole of kvvelm behind main: the same start-up as kvvelm-batch (single instance, CARICAINST,
// Apri_Archivi ...), with its errors shown through the window's message boxes, then the window
// until the program ends. Returns the exit status.

#include "app/environment.hpp"
#include "platform/clock.hpp"
#include "platform/printers.hpp"

namespace kv::gui {

// A QApplication must exist.
int RunWindow(const app::Environment& environment, const platform::Printers& printers,
              const platform::Clock& clock);

}  // namespace kv::gui
