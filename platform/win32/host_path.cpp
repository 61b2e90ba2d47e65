#include "platform/drives.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform {

// Drive letters and UNC paths are the system's own; the text becomes UTF-16 here, at the file port.
std::filesystem::path DriveMap::HostPath(std::string_view path) const {
    std::wstring wide = Cp1252ToWide(path);
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    return std::filesystem::path(wide);
}

}  // namespace kv::platform
