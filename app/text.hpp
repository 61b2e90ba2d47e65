#pragma once
// Small text helpers over Windows-1252 bytes.

#include <string>
#include <string_view>

#include "platform/text_trim.hpp"

namespace kv::app {

// Leading and trailing spaces and tabs removed.
using platform::Trim;

// Upper case in Windows-1252: ASCII letters and the accented letters of the code page.
std::string UpperCase(std::string_view text);

}  // namespace kv::app
