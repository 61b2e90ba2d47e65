#include "pdf/graphics/path_text.hpp"

#include "pdf/core/number_format.hpp"

namespace folivo::graphics {

std::string PathText::Coord(float value) const { return FormatNum(value * scale_); }

void PathText::Segment(std::initializer_list<Point> points, const char* op) {
    std::string text;
    for (const Point& p : points) text += Coord(p.x) + " " + Coord(p.y) + " ";
    segments_.push_back(text + op);
}

void PathText::Rect(Point corner, float width, float height) {
    segments_.push_back(Coord(corner.x) + " " + Coord(corner.y) + " " + Coord(width) + " " + Coord(height) + " re");
}

std::string PathText::Text() const {
    std::string text;
    for (const auto& segment : segments_) {
        if (!text.empty()) text += '\r';
        text += segment;
    }
    return text;
}

}  // namespace folivo::graphics
