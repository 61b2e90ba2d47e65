#include "platform/shell.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

// Quotes a text for /bin/sh.
std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

}  // namespace

std::optional<std::string> OpenWithSystem(const std::filesystem::path& host) {
    // xdg-open runs in the background, so only a missing path is known as a failure here.
    if (!std::filesystem::exists(host)) return Utf8ToCp1252(std::strerror(ENOENT));
    const std::string command = "xdg-open " + ShellQuoted(host.string()) + " >/dev/null 2>&1 &";
    if (std::system(command.c_str()) != 0) return std::string("xdg-open non avviato");
    return std::nullopt;
}

}  // namespace kv::platform
