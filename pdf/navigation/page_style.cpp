#include "pdf/navigation/page_style.hpp"

#include <array>

namespace folivo::navigation {

std::string LabelStyle(int32_t pageLabel) {
    static constexpr std::array<const char*, 5> kStyles = {" /S /D", " /S /R", " /S /r", " /S /A", " /S /a"};
    if (pageLabel < 1 || pageLabel > static_cast<int32_t>(kStyles.size())) return "";
    return kStyles[static_cast<size_t>(pageLabel - 1)];
}

std::string TransitionStyle(int32_t transition) {
    static constexpr std::array<const char*, 17> kStyles = {
        "/S /Split /Dm /H /M /I >> ", "/S /Split /Dm /V /M /I >> ", "/S /Split /Dm /H /M /O >> ",
        "/S /Split /Dm /V /M /O >> ", "/S /Wipe /Di 180 >> ",       "/S /Wipe /Di 0 >> ",
        "/S /Wipe /Di 270 >> ",       "/S /Wipe /Di 90 >> ",        "/S /Box /M /I >> ",
        "/S /Box /M /O >> ",          "/S /Blinds /Dm /H >> ",      "/S /Blinds /Dm /V >> ",
        "/S /Dissolve >> ",           "/S /Glitter /Di 0 >> ",      "/S /Glitter /Di 270 >> ",
        "/S /Glitter /Di 315 >> ",    "/S /R >> ",
    };
    if (transition < 1 || transition > static_cast<int32_t>(kStyles.size())) return "";
    return kStyles[static_cast<size_t>(transition - 1)];
}

}  // namespace folivo::navigation
