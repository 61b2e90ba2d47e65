#include <windows.h>

#include <cstdlib>

#include "platform/registry.hpp"
#include "platform/settings.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

constexpr const wchar_t* kSettingsKey = L"SOFTWARE\\KVVELM";

// The settings as string values of HKEY_CURRENT_USER\SOFTWARE\KVVELM.
class RegistrySettings : public Settings {
public:
    std::optional<std::string> Read(const std::string& name) const override {
        return ReadSystemRegistryString("HKEY_CURRENT_USER\\SOFTWARE\\KVVELM", name);
    }

    bool Write(const std::string& name, const std::string& value) override {
        const std::wstring text = Cp1252ToWide(value);
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        return ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, Cp1252ToWide(name).c_str(), REG_SZ, text.c_str(),
                                 bytes) == ERROR_SUCCESS;
    }
};

}  // namespace

// KVVELM_SETTINGS names a file, for tests; otherwise the user's registry keeps the settings.
std::unique_ptr<Settings> MakeSettings() {
    const char* file = std::getenv("KVVELM_SETTINGS");
    if (file != nullptr && *file != '\0') return std::make_unique<FileSettings>(std::filesystem::path(Cp1252ToWide(file)));
    return std::make_unique<RegistrySettings>();
}

}  // namespace kv::platform
