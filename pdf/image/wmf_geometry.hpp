#pragma once
// The outlines of the metafile shapes as content path operators, in logical units: rectangles,
// rounded rectangles, ellipses and the elliptic arcs of Arc, Pie and Chord records.

#include <string>

namespace folivo::image {

struct WmfBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};

std::string RectanglePath(const WmfBox& box);
// Corners rounded by ellipses of cornerWidth x cornerHeight.
std::string RoundRectPath(const WmfBox& box, double cornerWidth, double cornerHeight);
std::string EllipsePath(const WmfBox& box);

enum class ArcKind { kArc, kPie, kChord };

// The arc of the ellipse in `box` running counter-clockwise as shown (Y downwards) from the ray
// through (x1, y1) to the ray through (x2, y2); a pie adds the lines to the centre, a chord
// closes the arc with a straight line.
std::string ArcPath(const WmfBox& box, double x1, double y1, double x2, double y2, ArcKind kind);

}  // namespace folivo::image
