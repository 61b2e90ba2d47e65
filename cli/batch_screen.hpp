#pragma once
// The options of kvvelm-batch as clicks on the selection screen, in the order --ordine, --ditte,
// --anno, --mesi, --report, --data, --uscita.

#include <string>

#include "app/program.hpp"
#include "cli/batch_options.hpp"

namespace kv::cli {

// Sets the started screen as the options say. Returns why a choice cannot be made (a company code
// that is not in the list, a date without the certificates), or empty text.
std::string SetScreenFromOptions(app::Program& program, const BatchOptions& options);

}  // namespace kv::cli
