#include "output/folivo_host.hpp"

#include "platform/files.hpp"
#include "platform/shell.hpp"

namespace kv::output {

PlatformHost::PlatformHost(platform::Services& services, const platform::Clock& clock)
    : services_(services), clock_(clock), engine_(std::random_device{}()) {}

bool PlatformHost::ShowRetryMessage(const std::string& title, const std::string& text) {
    platform::ShowMessage(services_, platform::OkBox(title, text, platform::Icon::Information));
    return false;
}

// Folivo names its file with the narrow path the program gave it.
void PlatformHost::ShellOpen(const std::string& path) { platform::OpenWithSystem(platform::HostPathOfNarrow(path)); }

folivo::LocalTime PlatformHost::Now() {
    const platform::LocalDateTime now = clock_.Now();
    return {now.year, now.month, now.day, now.hour, now.minute, now.second, now.utcOffsetMinutes};
}

double PlatformHost::Random() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

}  // namespace kv::output
