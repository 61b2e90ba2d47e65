#pragma once
// The whole of kvvelm.exe behind main: the same start-up as kvvelm-batch (single instance,
// CARICAINST, Apri_Archivi ...), its errors shown in message boxes, then the window until the
// program ends. Returns the exit status.

#include "app/environment.hpp"
#include "platform/batch_printing.hpp"
#include "platform/clock.hpp"

namespace kv::gui::win32 {

// `printing` gives the printer list and the printer every job goes to (the Windows spooler).
int RunWindow(const app::Environment& environment, platform::BatchPrinting& printing,
              const platform::Clock& clock);

}  // namespace kv::gui::win32
