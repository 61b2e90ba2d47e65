#pragma once
// EAN-13 and EAN-8: digits with a computed check digit, in the standard sets A, B (set C read
// backwards) and C, between the guard bars.

#include <string>
#include <string_view>

#include "pdf/barcode/symbol.hpp"

namespace folivo::barcode {

// The encoded digits: the first 12 (EAN-13) or 7 (EAN-8) of Code and the computed check digit;
// "" when Code is not 12 or 13 (7 or 8) digits.
std::string Ean13Digits(std::string_view code);
std::string Ean8Digits(std::string_view code);

// The 95 (EAN-13) or 67 (EAN-8) modules of the symbol, guards included; "" for refused data.
std::string Ean13Modules(std::string_view code);
std::string Ean8Modules(std::string_view code);

Symbol BuildEan13(std::string_view code, const Sizing& sizing);
Symbol BuildEan8(std::string_view code, const Sizing& sizing);

}  // namespace folivo::barcode
