#pragma once
// What --info prints: the folders, installation code, holder, period, companies and printer that
// start-up found.

#include <ostream>

#include "app/program.hpp"

namespace kv::cli {

// Texts are converted from Windows-1252 to UTF-8 for the terminal.
void PrintStartUpInfo(const app::Program& program, std::ostream& out);

}  // namespace kv::cli
