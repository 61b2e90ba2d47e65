#pragma once
// What a field's appearance streams are drawn from: the widget's box, its colours, border and font.

#include <cstdint>
#include <string>

#include "pdf/fonts/core_metrics.hpp"

namespace folivo::forms {

struct Look {
    float width = 0;   // points, the widget rectangle as placed on the page
    float height = 0;
    int32_t rotation = 0;    // 0, 90, 180 or 270: the appearance is drawn turned by it
    std::string background;  // "r g b", empty: none
    std::string border;      // "r g b", empty: no border drawn
    std::string text = "0 0 0";
    float borderWidth = 1;
    char borderStyle = 'S';  // S solid, D dashed, B bevelled, I inset, U underline
    std::string font;        // resource name, without the slash
    float fontSize = 0;      // 0: fitted to the box
    fonts::WidthTable widths{};  // thousandths of the font size, by code
    int32_t align = 0;       // 0 left, 1 centred, 2 right
};

// The box the appearance is drawn in: the rectangle, sides swapped for a quarter turn.
struct Box {
    float w = 0;
    float h = 0;
};
Box DrawingBox(const Look& look);

// The form XObject's "/BBox [..] /Matrix [..]" for the look's box and rotation.
std::string FormBoxEntries(const Look& look);

// Background and border over the whole box; `round` draws them as the inscribed circle.
std::string Frame(const Look& look, bool round);

// A closed circle path of four Bézier arcs.
std::string CirclePath(float cx, float cy, float r);

}  // namespace folivo::forms
