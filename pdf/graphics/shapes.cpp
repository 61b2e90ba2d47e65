#include "pdf/graphics/shapes.hpp"

#include <cmath>

#include "pdf/error.hpp"

namespace folivo::graphics {

namespace {

constexpr double kRadiansPerDegree = 0.0174532925199433;
constexpr float kRectControl = 0.55f;  // control distance of a rounded corner, times the radius
constexpr size_t kMaxArcPoints = 1000000;

float CosDeg(float degrees) { return static_cast<float>(std::cos(degrees * kRadiansPerDegree)); }
float SinDeg(float degrees) { return static_cast<float>(std::sin(degrees * kRadiansPerDegree)); }

}  // namespace

void AddRect(PathText& path, Point p, float w, float h, float r, int32_t corners) {
    if (r <= 0) {
        path.Rect(p, w, h);
        return;
    }
    if (w / 2 < r) r = w / 2;
    if (h / 2 < r) r = h / 2;
    const float k = r * kRectControl;
    const auto f = [corners, r](int32_t flag) { return (corners & flag) ? r : 0.0f; };
    const float right = p.x + w;
    const float bottom = p.y + h;
    path.Move({p.x + f(kTopLeft), p.y});
    path.Line({right - f(kTopRight), p.y});
    if (corners & kTopRight) path.Curve({right - r + k, p.y}, {right, p.y + r - k}, {right, p.y + r});
    path.Line({right, bottom - f(kBottomRight)});
    if (corners & kBottomRight) path.Curve({right, bottom - r + k}, {right - r + k, bottom}, {right - r, bottom});
    path.Line({p.x + f(kBottomLeft), bottom});
    if (corners & kBottomLeft) path.Curve({p.x + r - k, bottom}, {p.x, bottom - r + k}, {p.x, bottom - r});
    path.Line({p.x, p.y + f(kTopLeft)});
    if (corners & kTopLeft) path.Curve({p.x, p.y + r - k}, {p.x + r - k, p.y}, {p.x + r, p.y});
}

void AddEllipse(PathText& path, Point c, float rx, float ry) {
    const float kappa = static_cast<float>((std::sqrt(2.0) - 1) * 4 / 3);
    const float kx = kappa * rx;
    const float ky = kappa * ry;
    path.Move({c.x + rx, c.y});
    path.Curve({c.x + rx, c.y - ky}, {c.x + kx, c.y - ry}, {c.x, c.y - ry});
    path.Curve({c.x - kx, c.y - ry}, {c.x - rx, c.y - ky}, {c.x - rx, c.y});
    path.Curve({c.x - rx, c.y + ky}, {c.x - kx, c.y + ry}, {c.x, c.y + ry});
    path.Curve({c.x + kx, c.y + ry}, {c.x + rx, c.y + ky}, {c.x + rx, c.y});
}

void AddPolygon(PathText& path, Point c, float radius, int16_t sides) {
    if (sides == 0) throw Error(kErrDivisionByZero, "Division by zero");
    const float step = 360.0f / static_cast<float>(sides);
    const float sign = step < 0 ? -1.0f : 1.0f;
    path.Move({c.x + sign * radius, c.y});
    for (float a = step; std::fabs(a) < 360; a += step) {
        path.Line({c.x + sign * radius * CosDeg(a), c.y + radius * SinDeg(a)});
    }
}

std::vector<Point> ArcPoints(Point c, float radius, float start, float end, float ratio, int16_t step) {
    if (step == 0) throw Error(kErrInvalidCall, "Invalid procedure call: the arc step is 0 degrees");
    const auto s = static_cast<float>(step);
    if ((end - start) / s > static_cast<float>(kMaxArcPoints)) {
        throw Error(kErrInvalidCall, "Invalid procedure call: too many arc points");
    }
    std::vector<Point> points;
    for (float a = start; step > 0 ? a <= end : a >= end; a += s) {
        points.push_back({c.x + radius * CosDeg(a), c.y + radius * ratio * SinDeg(a)});
        if (a + s == a) break;  // beyond single precision: the angle no longer moves
    }
    return points;
}

}  // namespace folivo::graphics
