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

}  // namespace folivo
