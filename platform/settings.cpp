#include "platform/settings.hpp"

#include <fstream>

#include "platform/config_path.hpp"

namespace kv::platform {

namespace {

constexpr const char* kSection = "[KVVELM]";

std::string WithoutCarriageReturn(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

std::filesystem::path SettingsFilePath(const char* kvvelmSettings, const char* xdgConfigHome, const char* home) {
    return ConfigFilePath(kvvelmSettings, xdgConfigHome, home, "settings.ini");
}

FileSettings::FileSettings(std::filesystem::path file) : file_(std::move(file)) {
    std::ifstream in(file_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        line = WithoutCarriageReturn(line);
        const size_t equals = line.find('=');
        if (equals != std::string::npos && equals > 0) values_[line.substr(0, equals)] = line.substr(equals + 1);
    }
}

std::optional<std::string> FileSettings::Read(const std::string& name) const {
    auto value = values_.find(name);
    if (value == values_.end()) return std::nullopt;
    return value->second;
}

bool FileSettings::Write(const std::string& name, const std::string& value) {
    values_[name] = value;
    std::error_code failure;
    if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), failure);
    std::ofstream out(file_, std::ios::binary | std::ios::trunc);
    out << kSection << "\n";
    for (const auto& [key, text] : values_) out << key << "=" << text << "\n";
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace kv::platform
