#pragma once
// Names callers give in any case and with blanks around (colour names, pattern aliases, dash names),
// in the one form they are compared and written in.

#include <string>
#include <string_view>

namespace folivo {

// The text without leading and trailing blanks, in upper case.
std::string TrimmedUpper(std::string_view text);

}  // namespace folivo
