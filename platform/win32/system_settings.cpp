#include <windows.h>

#include <cstdlib>

#include "platform/settings.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

constexpr const wchar_t* kSettingsKey = L"SOFTWARE\\KVVELM";

// The settings as string values of HKEY_CURRENT_USER\SOFTWARE\KVVELM.
class RegistrySettings : public Settings {
public:
    std::optional<std::string> Read(const std::string& name) const override {
        const std::wstring value = Cp1252ToWide(name);
        DWORD bytes = 0;
        if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, value.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS)
            return std::nullopt;
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, value.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                           &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        text.resize(bytes / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return WideToCp1252(text);
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
