#include "platform/registry.hpp"

#include <windows.h>

#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

// The hive of a normalised key path, and the rest of the path after it.
HKEY HiveOf(const std::string& normalised, std::string& subKey) {
    size_t cut = normalised.find('\\');
    std::string hive = normalised.substr(0, cut);
    subKey = cut == std::string::npos ? std::string() : normalised.substr(cut + 1);
    if (hive == "hkey_current_user") return HKEY_CURRENT_USER;
    if (hive == "hkey_local_machine") return HKEY_LOCAL_MACHINE;
    return nullptr;
}

// UTF-16 as UTF-8; a lone surrogate becomes U+FFFD.
std::string WideToUtf8(const std::wstring& text) {
    std::string utf8;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        const bool high = cp >= 0xD800 && cp <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(utf8, cp);
    }
    return utf8;
}

}  // namespace

std::filesystem::path RegistryFilePath(const char* kvvelmRegistry, const char*, const char*) {
    if (kvvelmRegistry != nullptr && *kvvelmRegistry != '\0')
        return std::filesystem::path(Cp1252ToWide(kvvelmRegistry));
    return {};
}

std::optional<std::string> ReadSystemRegistryString(const std::string& keyPath, const std::string& name,
                                                    std::string* unmappable) {
    if (unmappable != nullptr) unmappable->clear();
    std::string subKey;
    HKEY hive = HiveOf(NormaliseKeyPath(keyPath), subKey);
    if (hive == nullptr) return std::nullopt;
    std::wstring wideKey = Cp1252ToWide(subKey);
    std::wstring wideName = Cp1252ToWide(name);
    const DWORD types = RRF_RT_REG_SZ;  // an expandable string comes expanded
    DWORD bytes = 0;
    if (::RegGetValueW(hive, wideKey.c_str(), wideName.c_str(), types, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (::RegGetValueW(hive, wideKey.c_str(), wideName.c_str(), types, nullptr, value.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    if (unmappable != nullptr) *unmappable = FirstCharacterOutsideCp1252(WideToUtf8(value));
    return WideToCp1252(value);
}

}  // namespace kv::platform
