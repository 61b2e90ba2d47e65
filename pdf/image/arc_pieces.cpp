#include "pdf/image/arc_pieces.hpp"

#include <algorithm>
#include <cmath>

namespace folivo::image {

std::vector<CubicPiece> ArcPieces(double cx, double cy, double rx, double ry, double a0, double a1) {
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(a1 - a0) / (kPi / 2) - 1e-9)));
    const double step = (a1 - a0) / pieces;
    // Control points lie along the tangents (-rx sin t, ry cos t), k of the way of a unit piece.
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    std::vector<CubicPiece> out;
    out.reserve(pieces);
    for (int i = 0; i < pieces; ++i) {
        const double t0 = a0 + i * step;
        const double t1 = t0 + step;
        out.push_back({cx + rx * std::cos(t0) - k * rx * std::sin(t0), cy + ry * std::sin(t0) + k * ry * std::cos(t0),
                       cx + rx * std::cos(t1) + k * rx * std::sin(t1), cy + ry * std::sin(t1) - k * ry * std::cos(t1),
                       cx + rx * std::cos(t1), cy + ry * std::sin(t1)});
    }
    return out;
}

}  // namespace folivo::image
