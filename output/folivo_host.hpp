#pragma once
// The host the program hands Folivo, built on the platform layer: its messages as message boxes,
// files opened by the system's shell, the platform's clock (local time with its real offset from
// UTC; a test's fixed clock gives identical files).

#include <random>

#include "pdf/host.hpp"
#include "platform/clock.hpp"
#include "platform/services.hpp"

namespace kv::output {

class PlatformHost : public folivo::Host {
public:
    PlatformHost(platform::Services& services, const platform::Clock& clock);

    // Shown with an OK button; the failed operation is not retried (a batch could not stop retrying).
    bool ShowRetryMessage(const std::string& title, const std::string& text) override;
    void ShellOpen(const std::string& path) override;
    folivo::LocalTime Now() override;
    double Random() override;

private:
    platform::Services& services_;
    const platform::Clock& clock_;
    std::mt19937 engine_;
};

}  // namespace kv::output
