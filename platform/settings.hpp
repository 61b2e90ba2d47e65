#pragma once
// The settings port: the few choices the window remembers between runs, as named text values. On
// Linux they live in a small text file of "name=value" lines; the Windows build keeps them under
// HKCU\SOFTWARE\KVVELM. KVVELM_SETTINGS names a file on both, for tests. The batch front end never
// reads them: each of its runs says what it wants on the command line.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace kv::platform {

class Settings {
public:
    virtual ~Settings() = default;
    virtual std::optional<std::string> Read(const std::string& name) const = 0;
    // Keeps the value; false when it could not be stored (the choice then lasts for this run only).
    virtual bool Write(const std::string& name, const std::string& value) = 0;
};

// $KVVELM_SETTINGS, else $XDG_CONFIG_HOME/kvvelm/settings.ini, else $HOME/.config/kvvelm/settings.ini.
// Null arguments stand for unset variables.
std::filesystem::path SettingsFilePath(const char* kvvelmSettings, const char* xdgConfigHome, const char* home);

// Settings in a text file: a "[KVVELM]" line, then "name=value" lines. A missing or unreadable file
// reads as empty; writing rewrites the file, making its folder when missing.
class FileSettings : public Settings {
public:
    explicit FileSettings(std::filesystem::path file);
    std::optional<std::string> Read(const std::string& name) const override;
    bool Write(const std::string& name, const std::string& value) override;

private:
    std::filesystem::path file_;
    std::map<std::string, std::string> values_;
};

// The settings of this system, from the process's environment.
std::unique_ptr<Settings> MakeSettings();

}  // namespace kv::platform
