#include "pdf/host.hpp"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "pdf/core/dates.hpp"

namespace folivo {

std::string Host::ColorProfilePath() {
    const char* windows = std::getenv("WINDIR");
    const std::string candidates[] = {
        "/usr/share/color/icc/colord/sRGB.icc",
        windows != nullptr ? std::string(windows) + "\\System32\\spool\\drivers\\color\\sRGB Color Space Profile.icm"
                           : std::string(),
    };
    std::error_code ec;
    for (const std::string& path : candidates) {
        if (!path.empty() && std::filesystem::is_regular_file(path, ec)) return path;
    }
    return "";
}

DefaultHost::DefaultHost() : engine_(std::random_device{}()) {}

bool DefaultHost::ShowRetryMessage(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s\n%s\n", title.c_str(), text.c_str());
    return false;
}

void DefaultHost::ShellOpen(const std::string&) {}

LocalTime DefaultHost::Now() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    // Copied at once: both calls may share one static buffer.
    const std::tm local = *std::localtime(&now);
    const std::tm utc = *std::gmtime(&now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min,         local.tm_sec,     UtcOffsetMinutes(local, utc)};
}

double DefaultHost::Random() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

}  // namespace folivo
