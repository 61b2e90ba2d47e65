#include "pdf/image/wmf_geometry.hpp"

#include <algorithm>
#include <cmath>

#include "pdf/core/number_format.hpp"
#include "pdf/image/arc_pieces.hpp"

namespace folivo::image {

namespace {

std::string Pt(double x, double y) {
    return FormatNum(static_cast<float>(x)) + " " + FormatNum(static_cast<float>(y));
}

// An ellipse by its centre and radii; angles grow counter-clockwise as shown with Y downwards.
struct Ellipse {
    double cx, cy, rx, ry;
    double X(double a) const { return cx + rx * std::cos(a); }
    double Y(double a) const { return cy - ry * std::sin(a); }
};

Ellipse EllipseOf(const WmfBox& b) {
    return {(b.left + b.right) / 2, (b.top + b.bottom) / 2, std::fabs(b.right - b.left) / 2,
            std::fabs(b.bottom - b.top) / 2};
}

// Cubic pieces of at most a quarter turn from angle a0 to a1, after the current point at a0.
std::string Sweep(const Ellipse& e, double a0, double a1) {
    std::string path;
    for (const CubicPiece& p : ArcPieces(e.cx, e.cy, e.rx, -e.ry, a0, a1)) {
        path += Pt(p.x1, p.y1) + " " + Pt(p.x2, p.y2) + " " + Pt(p.x3, p.y3) + " c\n";
    }
    return path;
}

double AngleOf(const Ellipse& e, double x, double y) {
    return std::atan2(-(y - e.cy) / (e.ry == 0 ? 1 : e.ry), (x - e.cx) / (e.rx == 0 ? 1 : e.rx));
}

}  // namespace

std::string RectanglePath(const WmfBox& b) {
    return Pt(b.left, b.top) + " m\n" + Pt(b.right, b.top) + " l\n" + Pt(b.right, b.bottom) + " l\n" +
           Pt(b.left, b.bottom) + " l\nh";
}

std::string RoundRectPath(const WmfBox& box, double cornerWidth, double cornerHeight) {
    const double l = std::min(box.left, box.right), r = std::max(box.left, box.right);
    const double t = std::min(box.top, box.bottom), btm = std::max(box.top, box.bottom);
    const double rx = std::min(std::fabs(cornerWidth) / 2, (r - l) / 2);
    const double ry = std::min(std::fabs(cornerHeight) / 2, (btm - t) / 2);
    const Ellipse topRight{r - rx, t + ry, rx, ry}, topLeft{l + rx, t + ry, rx, ry};
    const Ellipse bottomLeft{l + rx, btm - ry, rx, ry}, bottomRight{r - rx, btm - ry, rx, ry};
    return Pt(r, t + ry) + " m\n" + Sweep(topRight, 0, kPi / 2) + Pt(l + rx, t) + " l\n" +
           Sweep(topLeft, kPi / 2, kPi) + Pt(l, btm - ry) + " l\n" + Sweep(bottomLeft, kPi, 1.5 * kPi) +
           Pt(r - rx, btm) + " l\n" + Sweep(bottomRight, 1.5 * kPi, 2 * kPi) + "h";
}

std::string EllipsePath(const WmfBox& box) {
    const Ellipse e = EllipseOf(box);
    return Pt(e.X(0), e.Y(0)) + " m\n" + Sweep(e, 0, 2 * kPi) + "h";
}

std::string ArcPath(const WmfBox& box, double x1, double y1, double x2, double y2, ArcKind kind) {
    const Ellipse e = EllipseOf(box);
    const double a0 = AngleOf(e, x1, y1);
    double a1 = AngleOf(e, x2, y2);
    if (a1 <= a0) a1 += 2 * kPi;
    std::string path;
    if (kind == ArcKind::kPie) path = Pt(e.cx, e.cy) + " m\n" + Pt(e.X(a0), e.Y(a0)) + " l\n";
    else path = Pt(e.X(a0), e.Y(a0)) + " m\n";
    path += Sweep(e, a0, a1);
    if (kind != ArcKind::kArc) path += "h";
    else path.pop_back();
    return path;
}

}  // namespace folivo::image
