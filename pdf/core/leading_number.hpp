#pragma once
// The number a user's text starts with, read the forgiving way Basic's Val reads it: colour
// components, dash lengths and the like accept "3mm" or " 2.5" and take junk as 0.

#include <string_view>

namespace folivo {

// Leading blanks and tabs skipped, then an optional sign, digits and points:
// "12abc" -> 12, " 2.5mm" -> 2.5, "-3" -> -3, "x" -> 0, "" -> 0.
double LeadingNumber(std::string_view text);

}  // namespace folivo
