#include "pdf/host.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace folivo {

namespace {

// Quotes a path for /bin/sh.
std::string ShellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

}  // namespace

DefaultHost::DefaultHost() : engine_(std::random_device{}()) {}

bool DefaultHost::ShowRetryMessage(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s\n%s\n", title.c_str(), text.c_str());
    return false;
}

void DefaultHost::ShellOpen(const std::string& path) {
    const std::string command = "xdg-open " + ShellQuoted(path) + " >/dev/null 2>&1 &";
    [[maybe_unused]] int status = std::system(command.c_str());
}

LocalTime DefaultHost::Now() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
            parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

double DefaultHost::Random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

}  // namespace folivo
