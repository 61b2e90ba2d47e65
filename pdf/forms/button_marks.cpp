#include "pdf/forms/button_marks.hpp"

#include <algorithm>
#include <cmath>

#include "pdf/core/number_format.hpp"

namespace folivo::forms {

namespace {

std::string Point(float x, float y) { return FormatNum(x) + " " + FormatNum(y); }

// A star of `points` tips around (cx, cy), filled.
std::string Star(float cx, float cy, float outer, float inner, int points) {
    std::string path;
    for (int i = 0; i < 2 * points; ++i) {
        const float r = (i % 2 == 0) ? outer : inner;
        const float angle = 1.5707963f + 3.14159265f * static_cast<float>(i) / static_cast<float>(points);
        path += Point(cx + r * std::cos(angle), cy + r * std::sin(angle)) + (i == 0 ? " m " : " l ");
    }
    return path + "h f\n";
}

// The mark in a square of side m centred on (cx, cy), in the current colours.
std::string Mark(const std::string& glyph, float cx, float cy, float m) {
    const std::string stroke = FormatNum(m * 0.15f) + " w 1 J 1 j\n";
    if (glyph == "5") {
        const float d = m * 0.32f;
        return stroke + Point(cx - d, cy - d) + " m " + Point(cx + d, cy + d) + " l " + Point(cx - d, cy + d) +
               " m " + Point(cx + d, cy - d) + " l S\n";
    }
    if (glyph == "l") return CirclePath(cx, cy, m * 0.3f) + " f\n";
    if (glyph == "n") return Point(cx - m * 0.28f, cy - m * 0.28f) + " " + Point(m * 0.56f, m * 0.56f) + " re f\n";
    if (glyph == "H") return Star(cx, cy, m * 0.45f, m * 0.18f, 5);
    if (glyph == "F") return Star(cx, cy, m * 0.45f, m * 0.14f, 4);
    return stroke + Point(cx - m * 0.34f, cy + m * 0.02f) + " m " + Point(cx - m * 0.1f, cy - m * 0.28f) + " l " +
           Point(cx + m * 0.36f, cy + m * 0.32f) + " l S\n";
}

}  // namespace

std::string ButtonAppearance(const Look& look, const std::string& glyph, bool radio, bool on) {
    std::string out = "q\n" + Frame(look, radio);
    if (on) {
        const Box box = DrawingBox(look);
        const float side = std::max(0.0f, std::min(box.w, box.h) - 2 * look.borderWidth);
        out += look.text + " rg " + look.text + " RG\n" + Mark(glyph, box.w / 2, box.h / 2, side);
    }
    return out + "Q\n";
}

}  // namespace folivo::forms
