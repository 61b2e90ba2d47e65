// Folivo: fill, line and text colours and the line width.

#include "pdf/core/color.hpp"
#include "pdf/folivo_impl.hpp"

namespace folivo {

void FolivoImpl::ParseColor(std::string& Color, std::string& Second) const { folivo::ParseColor(Color, Second); }

std::string FolivoImpl::ColorToRGB(std::string_view Hex) const { return folivo::ColorToRGB(Hex); }

namespace {

// The operator that paints with a parsed colour: an RGB colour, a pattern, or an uncoloured pattern in
// the given colour; empty when the colour names nothing that sets one.
std::string ColorOperator(const std::string& parsed, const std::string& second, bool stroke) {
    if (parsed[0] == '#') return ColorToRGB(parsed) + (stroke ? " RG" : " rg");
    if (!second.empty() && second[0] == '#') {
        return std::string("/xxCSxx ") + (stroke ? "CS " : "cs ") + ColorToRGB(second) + " /" + parsed +
               (stroke ? " SCN" : " scn");
    }
    if (second.empty()) return std::string("/Pattern ") + (stroke ? "CS" : "cs") + " /" + parsed + (stroke ? " SCN" : " scn");
    return {};
}

}  // namespace

// Parses a colour and formats its operator, or finds it among the recently applied ones.
const ParsedColor& FolivoImpl::ParsedColorOf(const std::string& Color, bool stroke) {
    if (const ParsedColor* known = doc_.colors.recent.Find(std::tie(Color, stroke))) return *known;
    ParsedColor made{Color, {}, {}};
    ParseColor(made.parsed, made.second);
    if (!made.parsed.empty()) made.op = ColorOperator(made.parsed, made.second, stroke);
    return doc_.colors.recent.Remember({Color, stroke}, std::move(made));
}

void FolivoImpl::ApplyColor(const std::string& Color, bool stroke) {
    if (Color.empty() || doc_.colors.inUncolouredTiling) return;
    const ParsedColor& color = ParsedColorOf(Color, stroke);
    (stroke ? doc_.colors.line : doc_.colors.fill) = color.parsed;
    if (color.parsed.empty()) return;
    if (color.parsed[0] != '#' && !color.second.empty() && color.second[0] == '#') {
        (stroke ? doc_.colors.linePattern : doc_.colors.fillPattern) = color.second;
    }
    if (!color.op.empty()) AddContent(color.op);
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
