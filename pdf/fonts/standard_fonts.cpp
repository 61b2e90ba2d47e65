#include "pdf/fonts/standard_fonts.hpp"

#include <algorithm>
#include <array>

namespace folivo::fonts {
namespace {

struct FamilyAlias {
    std::string_view family;
    std::string_view baseName;
};

constexpr std::array<FamilyAlias, 8> kFamilies = {{
    {"TIMES", "TimesNewRoman"},
    {"TIMESNEWROMAN", "TimesNewRoman"},
    {"COURIER", "CourierNew"},
    {"COURIERNEW", "CourierNew"},
    {"HELVETICA", "Arial"},
    {"ARIAL", "Arial"},
    {"SYMBOL", "Symbol"},
    {"ZAPFDINGBATS", "ZapfDingbats"},
}};

const WidthTable& TimesWidths(int32_t style) {
    const bool bold = (style & kStyleBold) != 0;
    const bool italic = (style & kStyleItalic) != 0;
    if (bold && italic) return kTimesBoldItalic;
    if (bold) return kTimesBold;
    if (italic) return kTimesItalic;
    return kTimesRoman;
}

}  // namespace

std::optional<std::string_view> StandardBaseName(std::string_view upperFamily) {
    for (const auto& alias : kFamilies) {
        if (alias.family == upperFamily) return alias.baseName;
    }
    return std::nullopt;
}

bool HasStyledFaces(std::string_view baseName) {
    return baseName == "TimesNewRoman" || baseName == "CourierNew" || baseName == "Arial";
}

std::string StyleSuffix(int32_t style) {
    std::string suffix;
    if (style & kStyleBold) suffix += "Bold";
    if (style & kStyleItalic) suffix += "Italic";
    return suffix;
}

std::string StyledName(std::string_view name, std::string_view baseName, int32_t style) {
    std::string result(name);
    const std::string suffix = StyleSuffix(style);
    if (HasStyledFaces(baseName) && !suffix.empty()) result += "," + suffix;
    return result;
}

CoreMetrics MetricsFor(std::string_view baseName, int32_t style) {
    if (baseName == "TimesNewRoman") return {&TimesWidths(style), 1107, -216};
    if (baseName == "CourierNew") return {&kCourier, 1133, -300};
    if (baseName == "Symbol") return {&kSymbol, 1225, -220};
    if (baseName == "ZapfDingbats") return {&kZapfDingbats, 1221, -221};
    const bool bold = (style & kStyleBold) != 0;
    return {bold ? &kHelveticaBold : &kHelvetica, 1221, -221};
}

std::string WithoutSpaces(std::string_view text) {
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char c) { return c != ' '; });
    return result;
}

}  // namespace folivo::fonts
