#include <cstdlib>

#include "platform/settings.hpp"

namespace kv::platform {

std::unique_ptr<Settings> MakeSettings() {
    return std::make_unique<FileSettings>(
        SettingsFilePath(std::getenv("KVVELM_SETTINGS"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

}  // namespace kv::platform
