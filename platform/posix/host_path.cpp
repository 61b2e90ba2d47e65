#include <cctype>

#include "platform/drives.hpp"
#include "platform/paths.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

// The path text (Windows-1252) as a Linux name (UTF-8), backslashes made "/".
std::string Slashed(std::string_view path) {
    std::string out = Cp1252ToUtf8(std::string(path));
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

}  // namespace

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
