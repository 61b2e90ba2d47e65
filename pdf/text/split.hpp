#pragma once
// Splitting a text at a separator, keeping empty pieces: "a  b" split at " " gives "a", "", "b".

#include <string>
#include <string_view>
#include <vector>

namespace folivo::text {

std::vector<std::string> SplitText(std::string_view text, std::string_view separator);

// The pieces joined again with the separator between them.
std::string JoinText(const std::vector<std::string>& pieces, std::string_view separator,
                     size_t first = 0);

// The text without spaces at either end.
std::string_view TrimSpaces(std::string_view text);

// Every occurrence of `from` replaced by `to`, repeating until none is left (so runs collapse).
std::string ReplaceRepeatedly(std::string text, std::string_view from, std::string_view to);

}  // namespace folivo::text
