#include "platform/drives.hpp"

#include <cstdlib>

namespace kv::platform {

namespace {

std::filesystem::path FromEnvOr(const char* name, const std::filesystem::path& fallback) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
    return fallback;
}

}  // namespace

DriveMap DriveMap::FromEnvironment() {
    std::filesystem::path home = FromEnvOr("HOME", "/tmp");
    std::filesystem::path data = FromEnvOr("XDG_DATA_HOME", home / ".local" / "share");
    return DriveMap(FromEnvOr("KVVELM_DRIVES", data / "kvvelm" / "drives"));
}

}  // namespace kv::platform
