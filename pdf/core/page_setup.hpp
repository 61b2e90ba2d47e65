#pragma once
// Page geometry and the current point, all in points.

#include <cstdint>

namespace folivo {

struct PageSetup {
    float width = 596;
    float height = 842;
    float left = 0;
    float right = 0;
    float top = 0;
    float bottom = 0;
    bool clip = false;
    int32_t defaultRotation = 0;  // rotation code copied into each new page
    int32_t rotation = 0;         // rotation code of the open page
    float curX = 0;
    float curY = 0;
    float scale = 1.0f;  // points per user unit
};

// A point given in user units from the top-left corner inside the margins, in the page's own space
// (points from the bottom-left corner): where the drawing of that point lands.
inline float PageSpaceX(const PageSetup& page, float x) { return page.left + x * page.scale; }
inline float PageSpaceY(const PageSetup& page, float y) { return page.height - page.top - y * page.scale; }

}  // namespace folivo
