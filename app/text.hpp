#pragma once
// Small text helpers over Windows-1252 bytes.

#include <string>
#include <string_view>

namespace kv::app {

// Leading and trailing blanks removed (spaces and tabs, as the suite's files pad with spaces).
std::string Trim(std::string_view text);

// Upper case in Windows-1252: ASCII letters and the accented letters of the code page.
std::string UpperCase(std::string_view text);

}  // namespace kv::app
