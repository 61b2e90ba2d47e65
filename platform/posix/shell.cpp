#include "platform/shell.hpp"

#include <cstdlib>
#include <string>

namespace kv::platform {

namespace {

// Quotes a text for /bin/sh.
std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

bool OpenWithSystem(const std::filesystem::path& host) {
    // In the background, so the program goes on while the viewer runs.
    const std::string command = "xdg-open " + ShellQuoted(host.string()) + " >/dev/null 2>&1 &";
    return std::system(command.c_str()) == 0;
}

}  // namespace kv::platform
