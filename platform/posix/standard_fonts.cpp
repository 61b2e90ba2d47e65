#include "platform/standard_fonts.hpp"

namespace kv::platform {

std::vector<StandardFontFile> StandardFontFiles() {
    std::vector<StandardFontFile> files;
    for (const StandardFace& face : StandardFaces())
        files.push_back({face.name, std::string("/usr/share/fonts/truetype/liberation/") + face.liberation});
    return files;
}

}  // namespace kv::platform
