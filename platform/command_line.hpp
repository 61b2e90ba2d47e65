#pragma once
// The command line as the system gives it: on Windows as Unicode (the wide command line), elsewhere
// as bytes in the codeset of the user's locale, which the front end converts.

#include <optional>
#include <string>
#include <vector>

namespace kv::platform {

// The arguments after the program's name, in Windows-1252, where the system gives them as Unicode;
// nothing where they come as bytes (then argv is the command line).
std::optional<std::vector<std::string>> UnicodeArguments();

}  // namespace kv::platform
