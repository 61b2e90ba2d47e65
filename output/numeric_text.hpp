#pragma once
// The two readings of a report text: the locale-aware numeric test (the user's decimal separator,
// read once by platform/) and the locale-independent value that stops at the first character not part of
// a number written with "." as decimal mark.

#include <string>
#include <string_view>

namespace kv::output {

// True when the whole text, blanks around it aside, reads as a number: an optional sign (leading or
// trailing), digits with the grouping mark of the locale among them, an optional decimal part after
// `decimalSeparator`, an optional exponent; or &H/&O followed by hexadecimal/octal digits.
bool IsNumericText(std::string_view text, char decimalSeparator);

// The value of the leading number, "." as the decimal mark: "0,50" reads as 0, "1.5x" as 1.5.
double LeadingValue(std::string_view text);

}  // namespace kv::output
