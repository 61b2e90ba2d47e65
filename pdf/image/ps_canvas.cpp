#include "pdf/image/ps_canvas.hpp"

#include <cmath>

#include "pdf/core/number_format.hpp"
#include "pdf/core/string_format.hpp"
#include "pdf/image/arc_pieces.hpp"
#include "pdf/image/byte_source.hpp"
#include "pdf/image/ps_tokens.hpp"

namespace folivo::image {

namespace {

constexpr uint64_t kMaxContentBytes = uint64_t{64} << 20;
constexpr size_t kMaxSavedStates = 256;

std::string Num(double v) { return FormatNum(static_cast<float>(v)); }

std::string Point(double x, double y) { return Num(x) + " " + Num(y); }

// The colour operator for 1, 3 or 4 components, lower-case for filling.
std::string ColorLine(const std::vector<double>& c, bool fill) {
    std::string line;
    for (double v : c) line += Num(v) + " ";
    const char* op = c.size() == 1 ? "g" : c.size() == 3 ? "rg" : "k";
    if (fill) return line + op;
    std::string upper = op;
    for (char& ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
    return line + upper;
}

}  // namespace

PsMatrix PsMatrix::After(const PsMatrix& m) const {
    return {m.a * a + m.b * c,         m.a * b + m.b * d,         m.c * a + m.d * c,
            m.c * b + m.d * d,         m.e * a + m.f * c + e,     m.e * b + m.f * d + f};
}

void PsMatrix::Apply(double& x, double& y) const {
    const double nx = a * x + c * y + e;
    y = b * x + d * y + f;
    x = nx;
}

void PsMatrix::ApplyDelta(double& x, double& y) const {
    const double nx = a * x + c * y;
    y = b * x + d * y;
    x = nx;
}

void PsCanvas::MoveTo(double x, double y) {
    state_.ctm.Apply(x, y);
    state_.path += Point(x, y) + " m\n";
    state_.hasPoint = true;
    state_.x = state_.startX = x;
    state_.y = state_.startY = y;
}

void PsCanvas::LineTo(double x, double y) {
    if (!state_.hasPoint) throw PsLineError{"no current point"};
    state_.ctm.Apply(x, y);
    state_.path += Point(x, y) + " l\n";
    state_.x = x;
    state_.y = y;
}

void PsCanvas::CurveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
    if (!state_.hasPoint) throw PsLineError{"no current point"};
    state_.ctm.Apply(x1, y1);
    state_.ctm.Apply(x2, y2);
    state_.ctm.Apply(x3, y3);
    state_.path += Point(x1, y1) + " " + Point(x2, y2) + " " + Point(x3, y3) + " c\n";
    state_.x = x3;
    state_.y = y3;
}

void PsCanvas::ClosePath() {
    if (!state_.hasPoint) return;
    state_.path += "h\n";
    state_.x = state_.startX;
    state_.y = state_.startY;
}

void PsCanvas::NewPath() {
    state_.path.clear();
    state_.hasPoint = false;
}

void PsCanvas::Arc(double cx, double cy, double r, double a1, double a2, bool clockwise) {
    if (!std::isfinite(a1) || !std::isfinite(a2) || std::fabs(a2 - a1) > 1e6) throw PsLineError{"arc angles"};
    if (clockwise) {
        while (a2 > a1) a2 -= 360;
    } else {
        while (a2 < a1) a2 += 360;
    }
    const double start = a1 * kPi / 180;
    const double x0 = cx + r * std::cos(start);
    const double y0 = cy + r * std::sin(start);
    if (state_.hasPoint) {
        LineTo(x0, y0);
    } else {
        MoveTo(x0, y0);
    }
    for (const CubicPiece& p : ArcPieces(cx, cy, r, r, start, a2 * kPi / 180)) {
        CurveTo(p.x1, p.y1, p.x2, p.y2, p.x3, p.y3);
    }
}

std::string PsCanvas::StrokeSettings() const {
    const PsMatrix& m = state_.ctm;
    const double scale = std::sqrt(std::fabs(m.a * m.d - m.b * m.c));
    std::string line = ColorLine(state_.stroke, false) + " " + Num(state_.lineWidth * scale) + " w " +
                       std::to_string(state_.cap) + " J " + std::to_string(state_.join) + " j " +
                       Num(state_.miterLimit) + " M [";
    for (double v : state_.dash) line += Num(v * scale) + " ";
    return line + "] " + Num(state_.dashPhase * scale) + " d";
}

void PsCanvas::Paint(bool fill, bool evenOdd, bool stroke) {
    if (state_.path.empty()) return;
    if (fill) Emit(ColorLine(state_.fill, true));
    if (stroke) Emit(StrokeSettings());
    std::string op = fill && stroke ? "B" : fill ? "f" : "S";
    if (fill && evenOdd) op += "*";
    Emit(state_.path + op);
    painted_ = true;
    NewPath();
}

void PsCanvas::Clip(bool evenOdd) {
    if (state_.path.empty()) return;
    Emit(state_.path + (evenOdd ? "W* n" : "W n"));
}

void PsCanvas::Save() {
    if (saved_.size() >= kMaxSavedStates) throw PsLineError{"too many saved states"};
    saved_.push_back(state_);
    Emit("q");
}

void PsCanvas::Restore() {
    if (saved_.empty()) return;
    state_ = std::move(saved_.back());
    saved_.pop_back();
    Emit("Q");
}

void PsCanvas::Show(const std::string& text) {
    if (state_.fontName.empty()) throw PsLineError{"no font selected"};
    if (!state_.hasPoint) throw PsLineError{"no current point"};
    const std::string& n = state_.fontName;
    const bool bold = n.find("Bold") != std::string::npos || n.find("Black") != std::string::npos;
    const bool italic = n.find("Italic") != std::string::npos || n.find("Oblique") != std::string::npos;
    std::string font;
    try {
        font = host_.StandardFont(n, bold, italic);
    } catch (const Error& e) {
        throw PsLineError{e.what()};  // a document that cannot hold the font (PDF/A without its file)
    }
    const PsMatrix& m = state_.ctm;
    const double s = state_.fontSize;
    Emit(ColorLine(state_.fill, true));
    Emit("BT " + font + " 1 Tf " + Num(m.a * s) + " " + Num(m.b * s) + " " + Num(m.c * s) + " " + Num(m.d * s) + " " +
         Point(state_.x, state_.y) + " Tm (" + EscapeString(text) + ") Tj ET");
    painted_ = true;
}

void PsCanvas::CurrentPoint(double& x, double& y) const {
    if (!state_.hasPoint) throw PsLineError{"no current point"};
    const PsMatrix& m = state_.ctm;
    const double det = m.a * m.d - m.b * m.c;
    if (det == 0) throw PsLineError{"singular matrix"};
    const double dx = state_.x - m.e;
    const double dy = state_.y - m.f;
    x = (m.d * dx - m.c * dy) / det;
    y = (m.a * dy - m.b * dx) / det;
}

void PsCanvas::Emit(std::string line) {
    bytes_ += line.size() + 1;
    if (bytes_ > kMaxContentBytes) throw FormatError("PostScript picture draws more than 64 MB of content");
    lines_.push_back(std::move(line));
}

std::vector<std::string> PsCanvas::Finish() {
    while (!saved_.empty()) Restore();
    return std::move(lines_);
}

}  // namespace folivo::image
