#include "platform/drives.hpp"

#include <cctype>
#include <cstdlib>

#include "platform/paths.hpp"

namespace kv::platform {

namespace {

std::filesystem::path FromEnvOr(const char* name, const std::filesystem::path& fallback) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
    return fallback;
}

std::string Slashed(std::string_view path) {
    std::string out(path);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

}  // namespace

DriveMap DriveMap::FromEnvironment() {
    std::filesystem::path home = FromEnvOr("HOME", "/tmp");
    std::filesystem::path data = FromEnvOr("XDG_DATA_HOME", home / ".local" / "share");
    return DriveMap(FromEnvOr("KVVELM_DRIVES", data / "kvvelm" / "drives"));
}

std::filesystem::path DriveMap::HostPath(std::string_view path) const {
    if (HasDriveLetter(path)) {
        char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
        std::string rest = Slashed(path.substr(2));
        while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
        return root_ / std::string(1, letter) / rest;
    }
    bool rootedByBackslash = path.size() >= 1 && path[0] == '\\' && !(path.size() >= 2 && path[1] == '\\');
    if (rootedByBackslash) return HostPath("C:" + std::string(path));
    return Slashed(path);
}

}  // namespace kv::platform
