#pragma once
// Amounts in whole cents. Fields with two implied decimals are read digit by digit, never through a
// floating-point value, so sums and differences stay exact to the cent; they become texts only when
// written, with the locale's decimal separator.

#include <cstdint>
#include <string_view>
#include <string>

namespace kv::archive {
struct ArchiveState;
}

namespace kv::reports {

using Cents = int64_t;

// The cents of a number text: blanks skipped, an optional "-", digits, then `decimalMark` and up to
// two decimals; reading stops at any other character. "0001000.00" with "." is 100000. Whole digits
// after the 13th significant one are skipped.
Cents CentsOfText(std::string_view text, char decimalMark);

// The cents of a field with two implied decimals, read through its descriptor.
Cents CentsOfField(archive::ArchiveState& archive, std::string_view descriptor);

// The "######0.00" format: at least one whole digit, two decimals, the given separator, "-" in front
// of a negative amount.
std::string FormatAmount(Cents amount, char decimalSeparator);

// The "##0.00" format used for a withholding rate: the same shape.
inline std::string FormatRate(Cents hundredths, char decimalSeparator) {
    return FormatAmount(hundredths, decimalSeparator);
}

// An amount formatted and right-aligned in 10 characters: the reports' amount columns.
std::string AmountColumn(Cents amount, char decimalSeparator);

}  // namespace kv::reports
