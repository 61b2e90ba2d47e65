#include "pdf/core/viewer_prefs.hpp"

#include <algorithm>

namespace folivo {

namespace {

std::string PageLayout(int32_t mode) {
    switch (mode & ~int32_t{4095}) {
        case 8192: return "/PageLayout /OneColumn";
        case 16384: return "/PageLayout /TwoColumnLeft";
        case -32768: return "/PageLayout /TwoColumnRight";
        default: return "";
    }
}

}  // namespace

ViewerPreferenceLines BuildViewerPreferences(int32_t mode, bool hasOutlines) {
    ViewerPreferenceLines out;
    if (std::string layout = PageLayout(mode); !layout.empty()) out.lines.push_back(layout);
    switch (mode & 15) {
        case 1: out.lines.push_back("/PageMode /FullScreen"); break;
        case 2:
            if (hasOutlines) out.lines.push_back("/PageMode /UseOutlines");
            break;
        case 4: out.lines.push_back("/PageMode /UseThumbs"); break;
        case 8:
            out.lines.push_back("/PageMode /UseOC");
            out.versionLevel = 2;
            break;
        default: break;
    }
    struct Flag {
        int32_t bit;
        const char* entry;
    };
    static constexpr Flag kFlags[] = {
        {16, "/HideMenubar true "},    {32, "/HideToolbar true "},  {64, "/HideWindowUI true "},
        {128, "/DisplayDocTitle true "}, {256, "/CenterWindow true "}, {512, "/FitWindow true "},
    };
    std::string prefs = "/ViewerPreferences << ";
    for (const Flag& flag : kFlags) {
        if (mode & flag.bit) prefs += flag.entry;
    }
    if (mode & 128) out.versionLevel = std::max(out.versionLevel, 1);
    out.lines.push_back(prefs + " >>");
    return out;
}

}  // namespace folivo
