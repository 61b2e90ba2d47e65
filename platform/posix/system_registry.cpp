#include "platform/registry.hpp"

#include "platform/config_path.hpp"

namespace kv::platform {

std::filesystem::path RegistryFilePath(const char* kvvelmRegistry, const char* xdgConfigHome,
                                       const char* home) {
    return ConfigFilePath(kvvelmRegistry, xdgConfigHome, home, "registry.reg");
}

// Linux has no registry of its own: the stand-in file is the only one.
std::optional<std::string> ReadSystemRegistryString(const std::string&, const std::string&, std::string* unmappable) {
    if (unmappable != nullptr) unmappable->clear();
    return std::nullopt;
}

}  // namespace kv::platform
