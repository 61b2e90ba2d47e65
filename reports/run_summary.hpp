#pragma once
// The summary of a run that the closing message carries below its own lines: the files written and
// replaced, the files and print jobs that failed with their reason, the companies not printed and the
// fee notes left out for lack of data. Windows-1252 text, lines separated by CR.

#include <string>
#include <vector>

#include "output/run_outcome.hpp"

namespace kv::reports {

// At most this many entries of a list are named; the rest are counted ("... e altri 4").
inline constexpr size_t kSummaryListLength = 10;

// The summary's lines; empty when the run has nothing to report (no file, no failure, no note left
// out).
std::vector<std::string> SummaryLines(const output::RunOutcome& run);

// The lines joined by CR.
std::string SummaryText(const output::RunOutcome& run);

}  // namespace kv::reports
