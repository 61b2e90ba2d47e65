#pragma once
// The graphics state of a PostScript picture and the content it paints. Paths are kept in the
// picture's own space, transformed by the current matrix as they are built, and written whole
// when painted, so a transformation or a saved state inside a path never splits a path object.

#include <cstdint>
#include <string>
#include <vector>

#include "pdf/image/picture_host.hpp"

namespace folivo::image {

struct PsMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    // This matrix applied after `first`: the result maps a point through `first`, then this.
    PsMatrix After(const PsMatrix& first) const;
    void Apply(double& x, double& y) const;
    void ApplyDelta(double& x, double& y) const;
};

struct PsState {
    PsMatrix ctm;
    std::vector<double> fill{0};    // 1 grey, 3 RGB or 4 CMYK components
    std::vector<double> stroke{0};
    double lineWidth = 1;
    int cap = 0;
    int join = 0;
    double miterLimit = 10;
    std::vector<double> dash;
    double dashPhase = 0;
    std::string path;          // content operators, in the picture's space
    bool hasPoint = false;
    double x = 0, y = 0;       // current point, picture space
    double startX = 0, startY = 0;
    std::string fontName;      // selected font, empty for none
    double fontSize = 0;
};

class PsCanvas {
public:
    explicit PsCanvas(PictureHost& host) : host_(host) {}

    PsState& state() { return state_; }
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void CurveTo(double x1, double y1, double x2, double y2, double x3, double y3);
    void ClosePath();
    void NewPath();
    // Appends a circular arc from angle a1 to a2 (degrees), counter-clockwise unless `clockwise`.
    void Arc(double cx, double cy, double r, double a1, double a2, bool clockwise);
    // Paints the path with the fill colour, the stroke, or both, and ends it.
    void Paint(bool fill, bool evenOdd, bool stroke);
    void Clip(bool evenOdd);
    void Save();
    void Restore();
    void Show(const std::string& text);
    // The current point in user space; throws PsLineError when there is none.
    void CurrentPoint(double& x, double& y) const;

    // Closes the states still saved and returns the content.
    std::vector<std::string> Finish();
    bool Painted() const { return painted_; }

private:
    void Emit(std::string line);
    std::string StrokeSettings() const;

    PictureHost& host_;
    PsState state_;
    std::vector<PsState> saved_;
    std::vector<std::string> lines_;
    uint64_t bytes_ = 0;
    bool painted_ = false;
};

}  // namespace folivo::image
