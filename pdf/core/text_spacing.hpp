#pragma once
// Text settings that every page starts from again: spacing, scaling and line spacing.

namespace folivo {

struct TextSpacing {
    float charSpacing = 0;          // Tc, in points
    float wordSpacing = 0;          // Tw, in points
    float horizontalScaling = 100;  // Tz, percent
    float lineSpacing = 1.0f;       // factor applied to the font's line height
};

}  // namespace folivo
