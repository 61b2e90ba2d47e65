#pragma once
// The catalog lines chosen by SetViewerPreferences: page layout, page mode and the
// /ViewerPreferences dictionary.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo {

struct ViewerPreferenceLines {
    std::vector<std::string> lines;
    int32_t versionLevel = 0;  // the least PDF 1.(3 + n) these entries need
};

// `hasOutlines`: /PageMode /UseOutlines is written only when bookmarks exist.
ViewerPreferenceLines BuildViewerPreferences(int32_t mode, bool hasOutlines);

}  // namespace folivo
