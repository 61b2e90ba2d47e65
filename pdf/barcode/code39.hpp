#pragma once
// Code 39 with the full ASCII extension: characters outside the basic set become two-character
// sequences, an optional modulo-43 check character, "*" at both ends.

#include <optional>
#include <string>
#include <string_view>

#include "pdf/barcode/symbol.hpp"

namespace folivo::barcode {

// The 43 data characters in the order of their check values (the start/stop "*" is extra).
inline constexpr std::string_view kCode39Set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// The basic-set text of data in the full ASCII extension; nullopt for a byte above 127.
std::optional<std::string> Code39Extended(std::string_view data);

// The modulo-43 check character of basic-set text.
char Code39Check(std::string_view basic);

// The element letters of the whole symbol: nine per character (b/B bar, w/W space) and a narrow
// gap "w" between characters; "" when the data are empty or refused.
std::string Code39Elements(std::string_view data, bool addCheck);

Symbol BuildCode39(std::string_view data, const Sizing& sizing);

}  // namespace folivo::barcode
