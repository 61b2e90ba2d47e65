#include "platform/paths.hpp"

#include <cctype>

namespace kv::platform {

namespace {

size_t LastSeparator(std::string_view path) { return path.find_last_of("\\/"); }

bool IsRoot(std::string_view path) {
    if (path.size() == 1) return IsSeparator(path[0]);
    return path.size() == 3 && HasDriveLetter(path) && IsSeparator(path[2]);
}

}  // namespace

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

bool IsWindowsStyle(std::string_view path) {
    return HasDriveLetter(path) || path.find('\\') != std::string_view::npos;
}

char SeparatorOf(std::string_view path) { return IsWindowsStyle(path) ? '\\' : '/'; }

std::string TrimTrailingSeparators(std::string_view path) {
    std::string trimmed(path);
    while (!trimmed.empty() && IsSeparator(trimmed.back()) && !IsRoot(trimmed)) trimmed.pop_back();
    return trimmed;
}

std::string JoinPath(std::string_view base, std::string_view name) {
    if (base.empty()) return std::string(name);
    std::string joined = TrimTrailingSeparators(base);
    while (!name.empty() && IsSeparator(name.front())) name.remove_prefix(1);
    if (!IsSeparator(joined.back())) joined += SeparatorOf(base);
    return joined + std::string(name);
}

std::vector<std::string> PathParts(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (!IsSeparator(c)) {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string ParentPath(std::string_view path) {
    std::string trimmed = TrimTrailingSeparators(path);
    size_t last = LastSeparator(trimmed);
    if (last == std::string::npos) return HasDriveLetter(trimmed) ? trimmed.substr(0, 2) : std::string();
    std::string parent = trimmed.substr(0, last);
    if (parent.empty() || (parent.size() == 2 && HasDriveLetter(parent))) parent += trimmed[last];
    return parent;
}

std::string FileNamePart(std::string_view path) {
    size_t last = LastSeparator(path);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

}  // namespace kv::platform
