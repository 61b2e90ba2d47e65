#pragma once
// Writing a report's lines at the cursor through STAMPATESTO: the text goes into the text line, is
// written at the current row and the given column, then the row moves down.

#include <string>

#include "reports/report_form.hpp"

namespace kv::reports {

// Writes `text` at (current row, column) and moves the row down by `advance` centimetres.
void Line(ReportForm& form, double column, std::string text, double advance);

// Writes `text` at (current row, column) without moving the row.
void Put(ReportForm& form, double column, std::string text);

}  // namespace kv::reports
