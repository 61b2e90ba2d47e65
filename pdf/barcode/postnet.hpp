#pragma once
// POSTNET: five full or half bars a digit, a modulo-10 check digit, a full frame bar at each end.

#include <string>
#include <string_view>

#include "pdf/barcode/symbol.hpp"

namespace folivo::barcode {

// The digits of Code ("-" and spaces between them are skipped) and the check digit that brings
// their sum to a multiple of ten; "" when Code holds no digit or any other character.
std::string PostnetDigits(std::string_view code);

// "1" full bar, "0" half bar, frame bars included; "" for refused data.
std::string PostnetBars(std::string_view code);

Symbol BuildPostnet(std::string_view code, const Sizing& sizing);

}  // namespace folivo::barcode
