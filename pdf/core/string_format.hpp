#pragma once
// Texts for PDF literal strings.

#include <cstdint>
#include <string>
#include <string_view>

namespace folivo {

// Backslash escapes for a literal string: \ ( ) CR LF.
std::string EscapeString(std::string_view text);

// Replaces up to `count` occurrences (all when negative) of `find`, searching from the 1-based
// position `start`; the text before `start` is kept. An empty `find` leaves the text unchanged.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        int32_t start = 1, int32_t count = -1);

}  // namespace folivo
