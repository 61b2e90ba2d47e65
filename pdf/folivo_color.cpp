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

void Folivo::SetColorFill(const std::string& Color) { impl_->ApplyColor(Color, false); }

void Folivo::SetColorLine(const std::string& Color) { impl_->ApplyColor(Color, true); }

void Folivo::SetColorText(const std::string& Color) {
    if (Color.empty() || impl_->doc_.colors.inUncolouredTiling) return;
    impl_->doc_.colors.text = Color;
    impl_->ParseColor(impl_->doc_.colors.text, impl_->doc_.colors.textPattern);
}

void Folivo::SetLineWidth(float Width) {
    if (Width < 0) return;
    impl_->doc_.lineWidth = Width * impl_->doc_.page.scale;
    impl_->AddContent(impl_->FormatNum(impl_->doc_.lineWidth) + " w");
}

}  // namespace folivo
