#pragma once
// The dictionary of a shading pattern (axial or radial) between two colours.

#include <string>

namespace folivo::graphics {

struct Gradient {
    bool radial = false;
    std::string startRGB;  // "r g b"
    std::string endRGB;
    float xStart = 0, yStart = 0, xEnd = 0, yEnd = 0;  // user units, Y downwards from the page top
    float rStart = 0, rEnd = 0;
    bool extendBefore = false;
    bool extendAfter = false;
};

// The whole pattern object text; `pageHeight` in points flips pattern space to Y downwards.
std::string GradientPattern(const Gradient& g, float scale, float pageHeight);

}  // namespace folivo::graphics
