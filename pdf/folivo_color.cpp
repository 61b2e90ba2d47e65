// Folivo: fill, line and text colours and the line width.

#include "pdf/core/color.hpp"
#include "pdf/folivo_impl.hpp"

namespace folivo {

void FolivoImpl::ParseColor(std::string& Color, std::string& Second) const { folivo::ParseColor(Color, Second); }

std::string FolivoImpl::ColorToRGB(std::string_view Hex) const { return folivo::ColorToRGB(Hex); }

void FolivoImpl::ApplyColor(const std::string& Color, bool stroke) {
    if (Color.empty() || doc_.colors.inUncolouredTiling) return;
    std::string parsed = Color;
    std::string second;
    ParseColor(parsed, second);
    (stroke ? doc_.colors.line : doc_.colors.fill) = parsed;
    if (parsed.empty()) return;
    if (parsed[0] == '#') {
        AddContent(ColorToRGB(parsed) + (stroke ? " RG" : " rg"));
    } else if (!second.empty() && second[0] == '#') {
        // An uncoloured pattern painted in the given colour.
        (stroke ? doc_.colors.linePattern : doc_.colors.fillPattern) = second;
        AddContent(std::string("/xxCSxx ") + (stroke ? "CS " : "cs ") + ColorToRGB(second) + " /" + parsed +
                   (stroke ? " SCN" : " scn"));
    } else if (second.empty()) {
        AddContent(std::string("/Pattern ") + (stroke ? "CS" : "cs") + " /" + parsed + (stroke ? " SCN" : " scn"));
    }
}

void FolivoImpl::SetColorFill(const std::string& Color) { ApplyColor(Color, false); }

void FolivoImpl::SetColorLine(const std::string& Color) { ApplyColor(Color, true); }

void FolivoImpl::SetColorText(const std::string& Color) {
    if (Color.empty() || doc_.colors.inUncolouredTiling) return;
    doc_.colors.text = Color;
    ParseColor(doc_.colors.text, doc_.colors.textPattern);
}

void FolivoImpl::SetLineWidth(float Width) {
    if (Width < 0) return;
    doc_.lineWidth = Width * doc_.page.scale;
    AddContent(FormatNum(doc_.lineWidth) + " w");
}

}  // namespace folivo
