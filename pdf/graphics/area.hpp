#pragma once
// The area of the last shape, for a link over it: a box in user units (Y downwards) as a
// rectangle in PDF points (Y upwards from the page bottom), corners ordered low to high.

#include <algorithm>

#include "pdf/area.hpp"

namespace folivo::graphics {

inline Area AreaOfBox(float x1, float y1, float x2, float y2, float scale, float pageHeight) {
    return {std::min(x1, x2) * scale, pageHeight - std::max(y1, y2) * scale, std::max(x1, x2) * scale,
            pageHeight - std::min(y1, y2) * scale};
}

}  // namespace folivo::graphics
