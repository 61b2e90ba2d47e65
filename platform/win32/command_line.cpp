#include "platform/command_line.hpp"

#include <windows.h>
#include <shellapi.h>

#include "platform/text_encoding.hpp"

namespace kv::platform {

std::optional<std::vector<std::string>> UnicodeArguments() {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) return std::nullopt;
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(WideToCp1252(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

}  // namespace kv::platform
