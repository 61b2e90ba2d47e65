// Folivo: lines, shapes and curves, dashes and line styles, transparency, gradients and tiling
// patterns.

#include <algorithm>
#include <cmath>

#include "pdf/core/upper_name.hpp"
#include "pdf/folivo_impl.hpp"
#include "pdf/graphics/area.hpp"
#include "pdf/graphics/gradient.hpp"
#include "pdf/graphics/shapes.hpp"
#include "pdf/graphics/stroke_style.hpp"
#include "pdf/graphics/tiling.hpp"
#include "pdf/text/paint_operator.hpp"

namespace folivo {

namespace {

// A Basic Integer from a Single: rounded half to even, kept within 16 bits.
int16_t ToInteger(float value) {
    if (!(std::fabs(value) < 32767.5f)) throw Error(kErrOverflow, "Overflow");
    return static_cast<int16_t>(std::nearbyint(value));
}

}  // namespace

// ---- painting ----

void FolivoImpl::PaintPath(int32_t Options) { AddContent(text::PaintOperator(Options)); }

const Area& FolivoImpl::LastArea() const { return doc_.lastArea; }

void FolivoImpl::SetLastArea(float X1, float Y1, float X2, float Y2) {
    doc_.lastArea = graphics::AreaOfBox(X1, Y1, X2, Y2, doc_.page.scale, doc_.page.height);
}

void FolivoImpl::AddPath(const graphics::PathText& path, int32_t Options) {
    AddContent(path.Text());
    PaintPath(Options);
}

// ---- lines and curves ----

void FolivoImpl::DrawLine(float X1, float Y1, float X2, float Y2, int32_t Options) {
    graphics::PathText path(doc_.page.scale);
    path.Move({X1, Y1});
    path.Line({X2, Y2});
    AddPath(path, Options);
    SetXY(X2, Y2);
    SetLastArea(X1, Y1, X2, Y2);
}

void FolivoImpl::DrawLineTo(float X, float Y, int32_t Options) {
    graphics::PathText path(doc_.page.scale);
    path.Line({X, Y});
    AddPath(path, Options);
    SetXY(X, Y);
}

void FolivoImpl::DrawPolyline(const std::vector<float>& Points, int32_t Options) {
    const size_t pairs = Points.size() / 2;
    if (pairs == 0) return;
    graphics::PathText path(doc_.page.scale);
    float minX = Points[0], maxX = Points[0], minY = Points[1], maxY = Points[1];
    for (size_t i = 0; i < pairs; ++i) {
        const graphics::Point p{Points[2 * i], Points[2 * i + 1]};
        if (i == 0) path.Move(p); else path.Line(p);
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    AddContent(path.Text() + "\r");  // each pair's line ends with its own carriage return
    PaintPath(Options);
    const size_t current = (Options & 2) ? 0 : pairs - 1;
    SetXY(Points[2 * current], Points[2 * current + 1]);
    SetLastArea(minX, minY, maxX, maxY);
}

void FolivoImpl::DrawCurve(int16_t CurveType, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                           int32_t Options) {
    graphics::PathText path(doc_.page.scale);
    switch (CurveType) {
        case 1: path.Curve({X1, Y1}, {X2, Y2}, {X3, Y3}); SetXY(X3, Y3); break;
        case 2: path.CurveV({X1, Y1}, {X2, Y2}); SetXY(X2, Y2); break;
        case 3: path.CurveY({X1, Y1}, {X2, Y2}); SetXY(X2, Y2); break;
        default: break;
    }
    if (!path.Empty()) AddContent(path.Text());
    PaintPath(Options);
}

// ---- closed shapes ----

void FolivoImpl::DrawPolygon(float X, float Y, float Ray, int16_t Sides, int32_t Options) {
    graphics::PathText path(doc_.page.scale);
    graphics::AddPolygon(path, {X, Y}, Ray, Sides);
    AddPath(path, Options | 2);
    SetXY(X, Y);
    SetLastArea(X - Ray, Y - Ray, X + Ray, Y + Ray);
}

void FolivoImpl::DrawRect(float X, float Y, float xDim, float YDim, int32_t Options, float Ray, int32_t RoundedCorner) {
    graphics::PathText path(doc_.page.scale);
    graphics::AddRect(path, {X, Y}, xDim, YDim, Ray, RoundedCorner & 0xFF);
    AddPath(path, Options);
    SetXY(X, Y);
    SetLastArea(X, Y, X + xDim, Y + YDim);
}

void FolivoImpl::DrawEllipse(float X, float Y, float XRay, float YRay, int32_t Options) {
    graphics::PathText path(doc_.page.scale);
    graphics::AddEllipse(path, {X, Y}, XRay, YRay);
    AddPath(path, Options);
    SetXY(X, Y);
    SetLastArea(X - XRay, Y - YRay, X + XRay, Y + YRay);
}

void FolivoImpl::DrawCircle(float X, float Y, float Ray, int32_t Options) { DrawEllipse(X, Y, Ray, Ray, Options); }

void FolivoImpl::DrawArc(float X, float Y, float Ray, float StartAngle, float EndAngle, float Ratio, bool Pie,
                         float Quality, int32_t Options) {
    const auto points = graphics::ArcPoints({X, Y}, Ray, StartAngle, EndAngle, Ratio, ToInteger(Quality));
    const bool pie = Pie || (Options & 4);
    const auto lineTo = [this](graphics::Point p, bool move) {
        graphics::PathText segment(doc_.page.scale);
        if (move) segment.Move(p); else segment.Line(p);
        AddContent(segment.Text());
    };
    lineTo({X, Y}, true);
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0 && !pie) lineTo(points[i], true);
        lineTo(points[i], false);
    }
    if (pie) lineTo({X, Y}, false);
    PaintPath(Options);
    SetXY(X, Y);
    SetLastArea(X - Ray, Y - Ray, X + Ray, Y + Ray);
}

// ---- line styles ----

void FolivoImpl::SetDash(const std::string& Pattern, float Phase) {
    AddContent(graphics::DashOperator(Pattern, Phase, doc_.page.scale));
}

void FolivoImpl::SetLineStyle(int32_t Style, float MiterLimit) {
    for (const auto& op : graphics::LineStyleOperators(Style, MiterLimit)) AddContent(op);
}

// ---- transparency ----

void FolivoImpl::SetAlpha(int32_t Value) {
    const std::string opacity = graphics::OpacityText(Value);
    const int32_t objNum = StartObject();  // throws when no file is open, before anything changes
    const int32_t n = ++doc_.graphics.extGStateCount;
    WriteLine("<</Type /ExtGState /ca " + opacity + " /CA " + opacity + " /BM /Normal >>");
    CloseObject();
    doc_.resources.extGStates += "/GSTATE_" + std::to_string(n) + " " + std::to_string(objNum) + " 0 R ";
    AddContent("/GSTATE_" + std::to_string(n) + " gs");
    RequireVersion(1);
}

// ---- gradients and tiling patterns ----

void FolivoImpl::AddGradient(const std::string& Alias, int32_t Style, const std::string& StartColor,
                             const std::string& EndColor, float XStart, float YStart, float XEnd, float YEnd,
                             float RStart, float REnd, bool ExtendBefore, bool ExtendAfter) {
    const auto rgb = [this](std::string color) {
        std::string second;
        ParseColor(color, second);
        return ColorToRGB(color);
    };
    if (doc_.content.objectOpen) {  // reusable objects are drawn with Y upwards
        const float height = doc_.page.height / doc_.page.scale;
        YStart = height - YStart;
        YEnd = height - YEnd;
    }
    const graphics::Gradient gradient{Style == 1, rgb(StartColor), rgb(EndColor), XStart, YStart, XEnd,
                                      YEnd,       RStart,          REnd,          ExtendBefore, ExtendAfter};
    const std::string text = graphics::GradientPattern(gradient, doc_.page.scale, doc_.page.height);
    const int32_t objNum = StartObject();
    WriteLine(text);
    CloseObject();
    doc_.resources.patterns += "/" + TrimmedUpper(Alias) + " " + std::to_string(objNum) + " 0 R \r";
}

void FolivoImpl::BeginTiling(const std::string& Alias, float XMin, float YMin, float XMax, float YMax, float XStep,
                             float YStep, int32_t Style) {
    if (!doc_.content.tilingOpen) {
        const graphics::TilingCell cell{XMin, YMin, XMax, YMax, XStep, YStep, Style};
        doc_.content.tilingOpen = true;
        doc_.graphics.tilingName = TrimmedUpper(Alias);
        doc_.graphics.tilingHeader = graphics::TilingHeader(cell, doc_.page.scale);
        doc_.content.tiling.Reset();
        doc_.content.tiling.Append(graphics::TilingFlip(cell, doc_.page.scale) + "\r");
    }
    doc_.colors.inUncolouredTiling = (Style == 1);
}

void FolivoImpl::EndTiling() {
    if (!doc_.content.tilingOpen) return;  // no pattern is being defined
    doc_.content.tilingOpen = false;
    doc_.colors.inUncolouredTiling = false;
    std::string cell(doc_.content.tiling.Text());
    doc_.content.tiling.Reset();
    const int32_t objNum = StartObject();
    WriteLine(doc_.graphics.tilingHeader);
    PutStream(std::move(cell), objNum);
    CloseObject();
    doc_.resources.patterns += "/" + doc_.graphics.tilingName + " " + std::to_string(objNum) + " 0 R \r";
}

}  // namespace folivo
