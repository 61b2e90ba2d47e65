#pragma once
// Names callers give in any case: file names, font names, link words, layer names, and with blanks
// around colour names, pattern aliases and dash names, in the one form they are compared and written in.

#include <string>
#include <string_view>

namespace folivo {

// The text with its ASCII letters in upper case; other bytes (accented letters) stay as they are.
std::string UpperAscii(std::string_view text);

// The text without leading and trailing blanks, in upper case.
std::string TrimmedUpper(std::string_view text);

}  // namespace folivo
