#pragma once
// Interleaved 2 of 5: digit pairs, the first in the bars and the second in the spaces.

#include <string>
#include <string_view>

#include "pdf/barcode/symbol.hpp"

namespace folivo::barcode {

// The digits encoded: Code, its modulo-10 check digit when asked, a leading "0" for an odd count;
// "" when Code is empty or holds a non-digit.
std::string Interleaved25Digits(std::string_view code, bool addCheck);

// The element widths of the whole symbol, bar first, alternating: "n" narrow, "w" wide.
std::string Interleaved25Elements(std::string_view digits);

Symbol BuildInterleaved25(std::string_view code, const Sizing& sizing);

}  // namespace folivo::barcode
