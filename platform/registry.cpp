#include "platform/registry.hpp"


#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

// Expands the short hive names that people write by hand.
std::string ExpandHive(const std::string& hive) {
    static const std::pair<const char*, const char*> kShort[] = {
        {"hkcu", "hkey_current_user"},   {"hklm", "hkey_local_machine"},
        {"hkcr", "hkey_classes_root"},   {"hku", "hkey_users"},
        {"hkcc", "hkey_current_config"},
    };
    for (const auto& [abbreviation, full] : kShort) {
        if (hive == abbreviation) return full;
    }
    return hive;
}

}  // namespace

std::string NormaliseKeyPath(const std::string& keyPath) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : LowerAscii(keyPath) + "\\") {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    std::string normal;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) normal += '\\';
        normal += i == 0 ? ExpandHive(parts[i]) : parts[i];
    }
    return normal;
}

Registry Registry::FromFile(const std::filesystem::path& file, RegistryText text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return Registry();
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return Registry();
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) return Registry();
        return FromBytes(bytes, text);
    } catch (const std::exception&) {
        return Registry();  // a file that cannot be read reads as missing
    }
}

void Registry::AddKey(const std::string& keyPath) { keys_[NormaliseKeyPath(keyPath)]; }

void Registry::SetString(const std::string& keyPath, const std::string& name,
                         const std::string& value) {
    keys_[NormaliseKeyPath(keyPath)][LowerAscii(name)] = value.substr(0, value.find('\0'));
}

void Registry::SetOther(const std::string& keyPath, const std::string& name) {
    keys_[NormaliseKeyPath(keyPath)][LowerAscii(name)] = std::nullopt;
}

std::optional<std::string> Registry::ReadString(const std::string& keyPath,
                                                const std::string& name) const {
    auto key = keys_.find(NormaliseKeyPath(keyPath));
    if (key == keys_.end()) return std::nullopt;
    auto value = key->second.find(LowerAscii(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

std::optional<std::string> ReadUserRegistryString(const std::filesystem::path& standIn,
                                                  const std::string& keyPath, const std::string& name,
                                                  std::string* unmappable) {
    if (standIn.empty()) return ReadSystemRegistryString(keyPath, name, unmappable);
    if (unmappable != nullptr) {
        const std::optional<std::string> utf8 = Registry::FromFile(standIn, RegistryText::Utf8).ReadString(keyPath, name);
        *unmappable = FirstCharacterOutsideCp1252(utf8.value_or(""));
    }
    return Registry::FromFile(standIn).ReadString(keyPath, name);
}

bool Registry::HasKey(const std::string& keyPath) const {
    return keys_.count(NormaliseKeyPath(keyPath)) > 0;
}

}  // namespace kv::platform
