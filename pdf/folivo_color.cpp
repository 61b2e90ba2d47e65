// Folivo: fill, line and text colours and the line width.

#include "pdf/core/color.hpp"
#include "pdf/folivo.hpp"

namespace folivo {

void Folivo::ParseColor(std::string& Color, std::string& Second) const { folivo::ParseColor(Color, Second); }

std::string Folivo::ColorToRGB(std::string_view Hex) const { return folivo::ColorToRGB(Hex); }

void Folivo::ApplyColor(const std::string& Color, bool stroke) {
    if (Color.empty() || colors_.inUncolouredTiling) return;
    std::string parsed = Color;
    std::string second;
    ParseColor(parsed, second);
    (stroke ? colors_.line : colors_.fill) = parsed;
    if (parsed.empty()) return;
    if (parsed[0] == '#') {
        AddContent(ColorToRGB(parsed) + (stroke ? " RG" : " rg"));
    } else if (!second.empty() && second[0] == '#') {
        // An uncoloured pattern painted in the given colour.
        (stroke ? colors_.linePattern : colors_.fillPattern) = second;
        AddContent(std::string("/xxCSxx ") + (stroke ? "CS " : "cs ") + ColorToRGB(second) + " /" + parsed +
                   (stroke ? " SCN" : " scn"));
    } else if (second.empty()) {
        AddContent(std::string("/Pattern ") + (stroke ? "CS" : "cs") + " /" + parsed + (stroke ? " SCN" : " scn"));
    }
}

void Folivo::SetColorFill(const std::string& Color) { ApplyColor(Color, false); }

void Folivo::SetColorLine(const std::string& Color) { ApplyColor(Color, true); }

void Folivo::SetColorText(const std::string& Color) {
    if (Color.empty() || colors_.inUncolouredTiling) return;
    colors_.text = Color;
    ParseColor(colors_.text, colors_.textPattern);
}

void Folivo::SetLineWidth(float Width) {
    if (Width < 0) return;
    lineWidth_ = Width * page_.scale;
    AddContent(FormatNum(lineWidth_) + " w");
}

}  // namespace folivo
