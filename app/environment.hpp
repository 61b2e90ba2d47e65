#pragma once
// Where the program finds its stand-ins for the Windows machine: read once from the process
// environment by main, or given directly by tests.

#include <filesystem>
#include <string>

#include "platform/user_locale.hpp"

namespace kv::app {

struct Environment {
    std::filesystem::path registryFile;  // the .reg file standing in for the registry
    std::filesystem::path drivesRoot;    // one folder per drive letter
    std::filesystem::path lockFile;      // the single-instance lock
    platform::UserLocale locale;         // decimal separator and short date, read once

    // KVVELM_REGISTRY, KVVELM_DRIVES, KVVELM_LOCK and their XDG defaults; the user's locale.
    static Environment FromProcess();
};

}  // namespace kv::app
