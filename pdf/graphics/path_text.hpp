#pragma once
// The text of one path: segments in user units, written in points and joined by carriage returns,
// so a whole shape goes into the content with one line call.

#include <string>
#include <vector>

namespace folivo::graphics {

struct Point {
    float x = 0;
    float y = 0;
};

class PathText {
public:
    explicit PathText(float scale) : scale_(scale) {}

    void Move(Point p) { Segment({p}, "m"); }
    void Line(Point p) { Segment({p}, "l"); }
    void Curve(Point c1, Point c2, Point end) { Segment({c1, c2, end}, "c"); }
    // A curve whose first (v) or second (y) control point is the end point.
    void CurveV(Point c2, Point end) { Segment({c2, end}, "v"); }
    void CurveY(Point c1, Point end) { Segment({c1, end}, "y"); }
    void Rect(Point corner, float width, float height);

    // The segments joined by carriage returns, without one after the last.
    std::string Text() const;
    bool Empty() const { return segments_.empty(); }

private:
    void Segment(std::initializer_list<Point> points, const char* op);
    std::string Coord(float value) const;

    float scale_;
    std::vector<std::string> segments_;
};

}  // namespace folivo::graphics
