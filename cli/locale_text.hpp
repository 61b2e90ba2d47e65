#pragma once
// Command-line text comes in the codeset of the user's locale; inside, the program's text is
// Windows-1252. The arguments are converted once, on the way in.

#include <string>
#include <string_view>
#include <vector>

namespace kv::cli {

// The codeset a locale name gives ("it_IT.UTF-8@euro" -> "UTF-8"); empty when it names none.
std::string CodesetOf(std::string_view localeName);

// The codeset of LC_ALL, else LC_CTYPE, else LANG.
std::string EnvironmentCodeset();

// An argument in Windows-1252. Latin-1 and Windows-1252 codesets are taken as they are; any other
// (UTF-8, or none as under the C locale) is read as UTF-8, its bytes that are not valid UTF-8 as
// Windows-1252, and characters without a Windows-1252 form become "?".
std::string ArgumentText(const std::string& argument, std::string_view codeset);

std::vector<std::string> ArgumentsText(const std::vector<std::string>& arguments, std::string_view codeset);

}  // namespace kv::cli
