#pragma once
// Paths of the closed shapes Folivo draws, in user units (Y downwards).

#include <cstdint>
#include <vector>

#include "pdf/graphics/path_text.hpp"

namespace folivo::graphics {

// Corner flags of a rounded rectangle.
enum Corner : int32_t { kTopLeft = 1, kTopRight = 2, kBottomRight = 4, kBottomLeft = 8 };

// A rectangle; with radius > 0 the corners named in `corners` are rounded (radius limited to half
// of each side). The rounded outline is left open: closing it is up to the paint options.
void AddRect(PathText& path, Point corner, float width, float height, float radius, int32_t corners);

// Four Bezier quarters around the centre, starting and ending at its right end.
void AddEllipse(PathText& path, Point centre, float rx, float ry);

// A regular polygon with `sides` corners, the first at the right of the centre (left for a
// negative count). Throws folivo::Error 11 for zero sides.
void AddPolygon(PathText& path, Point centre, float radius, int16_t sides);

// The points of an arc from `start` to `end` degrees (inclusive when reached exactly) every
// `step` degrees; the vertical radius is radius * ratio. Throws folivo::Error 5 for a zero step.
std::vector<Point> ArcPoints(Point centre, float radius, float start, float end, float ratio, int16_t step);

}  // namespace folivo::graphics
