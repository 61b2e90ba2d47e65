#pragma once
// The whole of kvvelm-batch behind main: parses the command line, runs start-up and what the
// options ask, prints every message box, and returns the exit status.

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/environment.hpp"
#include "app/program.hpp"
#include "app/report_request.hpp"
#include "platform/clock.hpp"
#include "platform/printers.hpp"

namespace kv::cli {

inline constexpr int kBadCommandLine = 64;
// The run ended, but at least one file or print job did not come out.
inline constexpr int kRunIncomplete = 4;

// Makes the report drivers the confirm command calls, for the started program; what is not a
// message box goes to `err`.
using ReportDriversMaker =
    std::function<std::unique_ptr<app::ReportDrivers>(app::Program& program, std::ostream& err)>;

int RunBatch(const std::vector<std::string>& arguments, const app::Environment& environment,
             const platform::Printers& printers, const platform::Clock& clock, std::ostream& out,
             std::ostream& err, const ReportDriversMaker& makeReports);

}  // namespace kv::cli
