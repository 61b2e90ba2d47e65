#include "platform/registry.hpp"

namespace kv::platform {

std::filesystem::path RegistryFilePath(const char* kvvelmRegistry, const char* xdgConfigHome,
                                       const char* home) {
    if (kvvelmRegistry != nullptr && *kvvelmRegistry != '\0') return kvvelmRegistry;
    std::filesystem::path config;
    if (xdgConfigHome != nullptr && *xdgConfigHome != '\0') {
        config = xdgConfigHome;
    } else {
        config = std::filesystem::path(home != nullptr ? home : "") / ".config";
    }
    return config / "kvvelm" / "registry.reg";
}

// Linux has no registry of its own: the stand-in file is the only one.
std::optional<std::string> ReadSystemRegistryString(const std::string&, const std::string&) {
    return std::nullopt;
}

}  // namespace kv::platform
