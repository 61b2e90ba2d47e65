#pragma once
// STAMPATESTO: the one text operation of every report. Positions are centimetres from the top-left
// corner of an A4 portrait page on both targets.

#include <cstdint>
#include <string>

#include "output/output_state.hpp"

namespace kv::output {

// Whether a report text is written: a blank text never; a numeric text (locale-aware test) whose
// leading "."-decimal value is 0 only when printZero; any other text always.
bool IsTextWritten(const std::string& text, bool printZero, char decimalSeparator);

// A centimetre position on the printer, in twips: Int((cm - margin) * 567), rounded towards minus
// infinity. The printer's origin sits 0.3 cm right and 0.6 cm down from the paper's corner.
int32_t PrinterTwips(double centimetres, double margin);
inline constexpr double kPrinterColumnMargin = 0.3;
inline constexpr double kPrinterRowMargin = 0.6;

// Writes Text at (Row, Column) on the current target and empties Text, whatever happens. The shifts
// move the text on the PDF target only.
void STAMPATESTO(OutputState& state, double Row, double Column, std::string& Text, bool PrintZero = false,
                 double RowShift = 0, double ColumnShift = 0);

}  // namespace kv::output
