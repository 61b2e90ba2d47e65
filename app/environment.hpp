#pragma once
// Where the program finds its stand-ins for the Windows machine: read once from the process
// environment by main, or given directly by tests.

#include <filesystem>
#include <string>

namespace kv::app {

struct Environment {
    std::filesystem::path registryFile;  // the .reg file standing in for the registry
    std::filesystem::path drivesRoot;    // one folder per drive letter
    std::filesystem::path lockFile;      // the single-instance lock
    std::string dateLocale;              // the locale of the system's short date; empty: DD/MM/YYYY

    // KVVELM_REGISTRY, KVVELM_DRIVES, KVVELM_LOCK and their XDG defaults; the date locale from
    // LC_ALL, LC_TIME or LANG.
    static Environment FromProcess();
};

}  // namespace kv::app
