#pragma once
// The information box and the normal end of the program.

#include "app/program.hpp"

namespace kv::app {

// The information box naming the program (Ctrl+Shift+P on the screen).
void INFOPROGETTO(Program& program);

// Closes every archive file and ends the program normally (throws ProgramEnd with status 0).
[[noreturn]] void FINEPROGRAMMA(Program& program);

// Closes every archive file; used by main whatever way the program ends. Never throws.
void CloseAllFiles(Program& program) noexcept;

}  // namespace kv::app
