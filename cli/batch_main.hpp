#pragma once
// The whole of kvvelm-batch behind main: parses the command line, runs start-up and what the
// options ask, prints every message box, and returns the exit status.

#include <ostream>
#include <string>
#include <vector>

#include "platform/clock.hpp"
#include "platform/printers.hpp"
#include "app/environment.hpp"

namespace kv::cli {

inline constexpr int kBadCommandLine = 64;

int RunBatch(const std::vector<std::string>& arguments, const app::Environment& environment,
             const platform::Printers& printers, const platform::Clock& clock, std::ostream& out,
             std::ostream& err);

}  // namespace kv::cli
