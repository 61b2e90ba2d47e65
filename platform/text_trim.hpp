#pragma once
// Blanks cut from both ends of a text: the archives pad their fields with spaces.

#include <string>
#include <string_view>

namespace kv::platform {

// The text without leading and trailing blanks; blanks are spaces and tabs unless `blanks` says
// otherwise.
std::string Trim(std::string_view text, std::string_view blanks = " \t");

}  // namespace kv::platform
