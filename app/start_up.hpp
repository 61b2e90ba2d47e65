#pragma once
// Start-up: from launch to a ready selection screen, in the order the suite's programs follow.

#include "app/program.hpp"
#include "app/screen_reset.hpp"

namespace kv::app {

// Runs the whole start-up. Ends (throws ProgramEnd) on a configuration error, through the error
// reporter, on a fatal archive message, or silently when another instance runs.
void StartUp(Program& program);

}  // namespace kv::app
