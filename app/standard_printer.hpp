#pragma once
// LEGGISTAMPANTESTD: the standard printer named in the printer-settings file (logical file 280,
// line 2) becomes the printer of all printed output when an installed printer has that exact
// device name; otherwise the system's default printer stays.

#include <string>
#include <vector>

#include "app/program.hpp"

namespace kv::app {

inline constexpr int kPrinterSettingsFile = 280;

void LEGGISTAMPANTESTD(Program& program);

// The first installed printer whose device name equals `wanted` exactly; empty when none does.
std::string MatchPrinter(const std::vector<std::string>& installed, const std::string& wanted);

}  // namespace kv::app
