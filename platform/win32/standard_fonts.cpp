#include "platform/standard_fonts.hpp"

#include <windows.h>

namespace kv::platform {

std::vector<StandardFontFile> StandardFontFiles() {
    char windows[MAX_PATH] = "C:\\Windows";
    const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) lstrcpyA(windows, "C:\\Windows");
    std::vector<StandardFontFile> files;
    for (const StandardFace& face : StandardFaces())
        files.push_back({face.name, std::string(windows) + "\\Fonts\\" + face.windows});
    return files;
}

}  // namespace kv::platform
