#pragma once
// The TrueType files archival (PDF/A) documents draw the standard fonts with, since PDF/A embeds
// every font: metric-compatible files, so text keeps its places. Debian's fonts-liberation on Linux,
// the Fonts folder's Courier New, Arial and Times New Roman on Windows.

#include <string>
#include <vector>

namespace kv::platform {

struct StandardFontFile {
    std::string name;  // the standard font, as the PDF writer takes it: "Courier New", "Arial,Bold"
    std::string path;  // the host's file
};

std::vector<StandardFontFile> StandardFontFiles();

// The twelve faces of the three families and the file each system draws them with.
struct StandardFace {
    const char* name;
    const char* liberation;  // file name in fonts-liberation
    const char* windows;     // file name in the Windows Fonts folder
};
const std::vector<StandardFace>& StandardFaces();

}  // namespace kv::platform
