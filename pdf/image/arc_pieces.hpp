#pragma once
// Elliptic arcs as cubic Bezier pieces of at most a quarter turn each, for the picture players
// (PostScript arc/arcn, metafile Arc/Pie/Chord/Ellipse/RoundRect).

#include <vector>

namespace folivo::image {

inline constexpr double kPi = 3.14159265358979323846;

struct CubicPiece {
    double x1, y1, x2, y2, x3, y3;  // two control points and the end point
};

// The arc of (cx + rx cos t, cy + ry sin t) from angle a0 to a1 (radians, either direction),
// starting where the arc starts; a negative ry gives the same arc with Y downwards.
std::vector<CubicPiece> ArcPieces(double cx, double cy, double rx, double ry, double a0, double a1);

}  // namespace folivo::image
