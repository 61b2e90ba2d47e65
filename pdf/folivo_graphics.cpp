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

const Area& Folivo::LastArea() const { return impl_->doc_.lastArea; }

void FolivoImpl::SetLastArea(float X1, float Y1, float X2, float Y2) {
    doc_.lastArea = graphics::AreaOfBox(X1, Y1, X2, Y2, doc_.page.scale, doc_.page.height);
}

void FolivoImpl::AddPath(const graphics::PathText& path, int32_t Options) {
    AddContent(path.Text());
    PaintPath(Options);
}

// ---- lines and curves ----

void Folivo::DrawLine(float X1, float Y1, float X2, float Y2, int32_t Options) {
    graphics::PathText path(impl_->doc_.page.scale);
    path.Move({X1, Y1});
    path.Line({X2, Y2});
    impl_->AddPath(path, Options);
    SetXY(X2, Y2);
    impl_->SetLastArea(X1, Y1, X2, Y2);
}

void Folivo::DrawLineTo(float X, float Y, int32_t Options) {
    graphics::PathText path(impl_->doc_.page.scale);
    path.Line({X, Y});
    impl_->AddPath(path, Options);
    SetXY(X, Y);
}

void Folivo::DrawPolyline(const std::vector<float>& Points, int32_t Options) {
    const size_t pairs = Points.size() / 2;
    if (pairs == 0) return;
    graphics::PathText path(impl_->doc_.page.scale);
    float minX = Points[0], maxX = Points[0], minY = Points[1], maxY = Points[1];
    for (size_t i = 0; i < pairs; ++i) {
        const graphics::Point p{Points[2 * i], Points[2 * i + 1]};
        if (i == 0) path.Move(p); else path.Line(p);
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    impl_->AddContent(path.Text() + "\r");  // each pair's line ends with its own carriage return
    impl_->PaintPath(Options);
    const size_t current = (Options & 2) ? 0 : pairs - 1;
    SetXY(Points[2 * current], Points[2 * current + 1]);
    impl_->SetLastArea(minX, minY, maxX, maxY);
}

void Folivo::DrawCurve(int16_t CurveType, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                       int32_t Options) {
    graphics::PathText path(impl_->doc_.page.scale);
    switch (CurveType) {
        case 1: path.Curve({X1, Y1}, {X2, Y2}, {X3, Y3}); SetXY(X3, Y3); break;
        case 2: path.CurveV({X1, Y1}, {X2, Y2}); SetXY(X2, Y2); break;
        case 3: path.CurveY({X1, Y1}, {X2, Y2}); SetXY(X2, Y2); break;
        default: break;
    }
    if (!path.Empty()) impl_->AddContent(path.Text());
    impl_->PaintPath(Options);
}

// ---- closed shapes ----

void Folivo::DrawPolygon(float X, float Y, float Ray, int16_t Sides, int32_t Options) {
    graphics::PathText path(impl_->doc_.page.scale);
    graphics::AddPolygon(path, {X, Y}, Ray, Sides);
    impl_->AddPath(path, Options | 2);
    SetXY(X, Y);
    impl_->SetLastArea(X - Ray, Y - Ray, X + Ray, Y + Ray);
}

void Folivo::DrawRect(float X, float Y, float xDim, float YDim, int32_t Options, float Ray, int32_t RoundedCorner) {
    graphics::PathText path(impl_->doc_.page.scale);
    graphics::AddRect(path, {X, Y}, xDim, YDim, Ray, RoundedCorner & 0xFF);
    impl_->AddPath(path, Options);
    SetXY(X, Y);
    impl_->SetLastArea(X, Y, X + xDim, Y + YDim);
}

void Folivo::DrawEllipse(float X, float Y, float XRay, float YRay, int32_t Options) {
    graphics::PathText path(impl_->doc_.page.scale);
    graphics::AddEllipse(path, {X, Y}, XRay, YRay);
    impl_->AddPath(path, Options);
    SetXY(X, Y);
    impl_->SetLastArea(X - XRay, Y - YRay, X + XRay, Y + YRay);
}

void Folivo::DrawCircle(float X, float Y, float Ray, int32_t Options) { DrawEllipse(X, Y, Ray, Ray, Options); }

void Folivo::DrawArc(float X, float Y, float Ray, float StartAngle, float EndAngle, float Ratio, bool Pie,
                     float Quality, int32_t Options) {
    const auto points = graphics::ArcPoints({X, Y}, Ray, StartAngle, EndAngle, Ratio, ToInteger(Quality));
    const bool pie = Pie || (Options & 4);
    const auto lineTo = [this](graphics::Point p, bool move) {
        graphics::PathText segment(impl_->doc_.page.scale);
        if (move) segment.Move(p); else segment.Line(p);
        impl_->AddContent(segment.Text());
    };
    lineTo({X, Y}, true);
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0 && !pie) lineTo(points[i], true);
        lineTo(points[i], false);
    }
    if (pie) lineTo({X, Y}, false);
    impl_->PaintPath(Options);
    SetXY(X, Y);
    impl_->SetLastArea(X - Ray, Y - Ray, X + Ray, Y + Ray);
}

// ---- line styles ----

void Folivo::SetDash(const std::string& Pattern, float Phase) {
    impl_->AddContent(graphics::DashOperator(Pattern, Phase, impl_->doc_.page.scale));
}

void Folivo::SetLineStyle(int32_t Style, float MiterLimit) {
    for (const auto& op : graphics::LineStyleOperators(Style, MiterLimit)) impl_->AddContent(op);
}

// ---- transparency ----

void Folivo::SetAlpha(int32_t Value) {
    const std::string opacity = graphics::OpacityText(Value);
    const int32_t objNum = impl_->StartObject();  // throws when no file is open, before anything changes
    const int32_t n = ++impl_->doc_.graphics.extGStateCount;
    impl_->WriteLine("<</Type /ExtGState /ca " + opacity + " /CA " + opacity + " /BM /Normal >>");
    impl_->CloseObject();
    impl_->doc_.resources.extGStates += "/GSTATE_" + std::to_string(n) + " " + std::to_string(objNum) + " 0 R ";
    impl_->AddContent("/GSTATE_" + std::to_string(n) + " gs");
    impl_->RequireVersion(1);
}

// ---- gradients and tiling patterns ----

void Folivo::AddGradient(const std::string& Alias, int32_t Style, const std::string& StartColor,
                         const std::string& EndColor, float XStart, float YStart, float XEnd, float YEnd,
                         float RStart, float REnd, bool ExtendBefore, bool ExtendAfter) {
    const auto rgb = [this](std::string color) {
        std::string second;
        impl_->ParseColor(color, second);
        return impl_->ColorToRGB(color);
    };
    if (impl_->doc_.content.objectOpen) {  // reusable objects are drawn with Y upwards
        const float height = impl_->doc_.page.height / impl_->doc_.page.scale;
        YStart = height - YStart;
        YEnd = height - YEnd;
    }
    const graphics::Gradient gradient{Style == 1, rgb(StartColor), rgb(EndColor), XStart, YStart, XEnd,
                                      YEnd,       RStart,          REnd,          ExtendBefore, ExtendAfter};
    const std::string text = graphics::GradientPattern(gradient, impl_->doc_.page.scale, impl_->doc_.page.height);
    const int32_t objNum = impl_->StartObject();
    impl_->WriteLine(text);
    impl_->CloseObject();
    impl_->doc_.resources.patterns += "/" + TrimmedUpper(Alias) + " " + std::to_string(objNum) + " 0 R \r";
}

void Folivo::BeginTiling(const std::string& Alias, float XMin, float YMin, float XMax, float YMax, float XStep,
                         float YStep, int32_t Style) {
    if (!impl_->doc_.content.tilingOpen) {
        const graphics::TilingCell cell{XMin, YMin, XMax, YMax, XStep, YStep, Style};
        impl_->doc_.content.tilingOpen = true;
        impl_->doc_.graphics.tilingName = TrimmedUpper(Alias);
        impl_->doc_.graphics.tilingHeader = graphics::TilingHeader(cell, impl_->doc_.page.scale);
        impl_->doc_.content.tiling.Reset();
        impl_->doc_.content.tiling.Append(graphics::TilingFlip(cell, impl_->doc_.page.scale) + "\r");
    }
    impl_->doc_.colors.inUncolouredTiling = (Style == 1);
}

void Folivo::EndTiling() {
    if (!impl_->doc_.content.tilingOpen) return;  // no pattern is being defined
    impl_->doc_.content.tilingOpen = false;
    impl_->doc_.colors.inUncolouredTiling = false;
    std::string cell(impl_->doc_.content.tiling.Text());
    impl_->doc_.content.tiling.Reset();
    const int32_t objNum = impl_->StartObject();
    impl_->WriteLine(impl_->doc_.graphics.tilingHeader);
    impl_->PutStream(std::move(cell), objNum);
    impl_->CloseObject();
    impl_->doc_.resources.patterns += "/" + impl_->doc_.graphics.tilingName + " " + std::to_string(objNum) + " 0 R \r";
}

}  // namespace folivo
