#pragma once
// The registry stand-in: the current user's registry read from a text file in the Windows .reg
// export format (on Windows the real registry is read unless a stand-in is named). Key and value names compare without regard to letter case. A file, key or line
// that cannot be read or parsed is left out, so its values read as missing.

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace kv::platform {

// Where the registry stand-in lives: $KVVELM_REGISTRY, else $XDG_CONFIG_HOME/kvvelm/registry.reg,
// else $HOME/.config/kvvelm/registry.reg. On Windows only $KVVELM_REGISTRY names one (for tests);
// otherwise the path is empty and the system's registry is read. Null arguments stand for unset
// variables.
std::filesystem::path RegistryFilePath(const char* kvvelmRegistry, const char* xdgConfigHome,
                                       const char* home);

// The text the values of a parsed registry are held in.
enum class RegistryText { Cp1252, Utf8 };

class Registry {
public:
    Registry() = default;

    // Parses the bytes of a .reg file (UTF-16LE with a byte-order mark, or 8-bit text).
    static Registry FromBytes(const std::string& bytes, RegistryText text = RegistryText::Cp1252);

    // Reads a .reg file; a missing or unreadable file gives an empty registry.
    static Registry FromFile(const std::filesystem::path& file, RegistryText text = RegistryText::Cp1252);

    // Makes the key exist, with no values yet.
    void AddKey(const std::string& keyPath);

    // Adds or replaces a string value (used by the parser and by tests that build a registry).
    void SetString(const std::string& keyPath, const std::string& name, const std::string& value);

    // Marks a value that exists but is not a string (dword, hex ...).
    void SetOther(const std::string& keyPath, const std::string& name);

    // The string value `name` of the key; nullopt when the key or value is missing or the value
    // is not a string. `keyPath` starts with the hive ("HKEY_CURRENT_USER\SOFTWARE\..." or "HKCU\...").
    std::optional<std::string> ReadString(const std::string& keyPath, const std::string& name) const;

    bool HasKey(const std::string& keyPath) const;

private:
    // nullopt marks a value of another type than string.
    using Values = std::map<std::string, std::optional<std::string>>;
    std::map<std::string, Values> keys_;  // by normalised key path, values by lower-case name
};

// A string value of the system's registry (Windows: HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE through
// the registry API); nullopt when the key or value is missing or not a string, and always on Linux.
// `unmappable`, when given, receives the value's first character that Windows-1252 cannot hold
// ("U+0141"; empty when none), which the returned text shows as "?".
std::optional<std::string> ReadSystemRegistryString(const std::string& keyPath, const std::string& name,
                                                    std::string* unmappable = nullptr);

// The current user's string value: from the stand-in file when `standIn` names one, else from the
// system's registry. `unmappable` as above.
std::optional<std::string> ReadUserRegistryString(const std::filesystem::path& standIn,
                                                  const std::string& keyPath, const std::string& name,
                                                  std::string* unmappable = nullptr);

// Normalises a key path for comparison: lower case, hive abbreviations expanded, separators
// collapsed, no trailing backslash.
std::string NormaliseKeyPath(const std::string& keyPath);

}  // namespace kv::platform
