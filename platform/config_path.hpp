#pragma once
// Where a per-user configuration file of the program lives: the variable that names it, else
// $XDG_CONFIG_HOME/kvvelm/<name>, else $HOME/.config/kvvelm/<name>. Null arguments stand for unset
// variables.

#include <filesystem>

namespace kv::platform {

inline std::filesystem::path ConfigFilePath(const char* override, const char* xdgConfigHome, const char* home,
                                            const char* name) {
    if (override != nullptr && *override != '\0') return override;
    std::filesystem::path config;
    if (xdgConfigHome != nullptr && *xdgConfigHome != '\0') {
        config = xdgConfigHome;
    } else {
        config = std::filesystem::path(home != nullptr ? home : "") / ".config";
    }
    return config / "kvvelm" / name;
}

}  // namespace kv::platform
