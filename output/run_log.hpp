#pragma once
// The run log, <base folder>/FILE-PDF/kvvelm.log: UTF-8 text, one line per file written, per error,
// per note left out and per company not printed, then one line for the run, each starting with the
// local time in ISO 8601 form. Lines are appended, so the log keeps the office's history.

#include <string>

#include "output/output_state.hpp"
#include "output/run_outcome.hpp"

namespace kv::output {

inline constexpr const char* kRunLogName = "kvvelm.log";

// "2026-12-06T20:31:18+01:00".
std::string IsoTime(const platform::LocalDateTime& moment);

// The lines a run adds to the log (Windows-1252, each ending in LF); `report` names the report.
std::string RunLogText(const RunOutcome& run, const std::string& report);

// Appends the run's lines to the log beside the archives, making the FILE-PDF folder when missing.
// Returns why the log could not be written, or empty text; never throws.
std::string AppendRunLog(OutputState& state, const std::string& report);

}  // namespace kv::output
