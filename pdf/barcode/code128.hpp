#pragma once
// Code 128 with code sets B and C: digit runs of 4 or more at the ends of the data and 6 or more
// inside it go in set C, everything else in set B.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/barcode/symbol.hpp"

namespace folivo::barcode {

inline constexpr int kCode128StartB = 104;
inline constexpr int kCode128StartC = 105;
inline constexpr int kCode128ToB = 100;
inline constexpr int kCode128ToC = 99;
inline constexpr int kCode128Fnc1 = 102;
inline constexpr int kCode128Stop = 106;

// The symbol values: start, data with switches, check value, stop. Accepts the bytes 32 to 126
// and 198 (written as FNC1, for GS1 data); nullopt for empty data or any other byte.
std::optional<std::vector<int>> Code128Values(std::string_view data);

// The modules of the symbol values ("1" dark), 11 a value and 13 for the stop.
std::string Code128Modules(const std::vector<int>& values);

Symbol BuildCode128(std::string_view data, const Sizing& sizing);

}  // namespace folivo::barcode
