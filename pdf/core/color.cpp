#include "pdf/core/color.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "pdf/core/leading_number.hpp"
#include "pdf/core/number_format.hpp"
#include "pdf/core/upper_name.hpp"
#include "pdf/error.hpp"

namespace folivo {

namespace {

struct NamedColor {
    const char* name;
    const char* value;
};

constexpr std::array<NamedColor, 35> kNamedColors = {{
    {"BLACK", "#000000"},      {"GRAY", "#808080"},       {"SILVER", "#C0C0C0"},
    {"WHITE", "#FFFFFF"},      {"MAROON", "#800000"},     {"RED", "#FF0000"},
    {"PURPLE", "#800080"},     {"FUCHSIA", "#FF00FF"},    {"MAGENTA", "#FF00FF"},
    {"GREEN", "#008000"},      {"LIME", "#00FF00"},       {"YELLOW", "#FFFF00"},
    {"NAVY", "#000080"},       {"BLUE", "#0000FF"},       {"TEAL", "#008080"},
    {"AQUA", "#00FFFF"},       {"CYAN", "#00FFFF"},       {"ORANGE", "#FF7F00"},
    {"AZURE", "#F0FFFF"},      {"GOLD", "#FFD700"},       {"LIGHTBLUE", "#ADD8E6"},
    {"LIGHTCYAN", "#E0FFFF"},  {"OLIVE", "#808000"},      {"BEIGE", "#F5F5DC"},
    {"LIGHTGREEN", "#90EE90"}, {"LIGHTPINK", "#FFB6C1"},  {"LIGHTYELLOW", "#FFFFE0"},
    {"TOMATO", "#FF6347"},     {"VIOLET", "#EE82EE"},     {"PINK", "#FFC0CB"},
    {"IVORY", "#FFFFF0"},      {"DARKGRAY", "#A9A9A9"},   {"DARKCYAN", "#008B8B"},
    {"DARKBLUE", "#00008B"},   {"BROWN", "#A52A2A"},
}};

// Two upper-case hex digits of a component, rounded half to even and kept within 0..255.
std::string Hex2(double component) {
    const long v = std::clamp(std::lrint(component), 0L, 255L);
    char text[4];
    std::snprintf(text, sizeof text, "%02lX", static_cast<unsigned long>(v));
    return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t hit; (hit = text.find(separator, start)) != std::string_view::npos; start = hit + 1) {
        parts.push_back(text.substr(start, hit - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string FromComponents(std::string_view rest) {
    std::string text(rest);
    std::replace(text.begin(), text.end(), ',', '.');
    const auto parts = Split(text, ';');
    if (parts.size() != 3 && parts.size() != 4) return "";
    // Three parts are R;G;B from 0 to 255; four are C;M;Y;K in percent.
    const double k = parts.size() == 4 ? LeadingNumber(parts[3]) : 0;
    std::string out = "#";
    for (size_t i = 0; i < 3; ++i) {
        const double value = LeadingNumber(parts[i]);
        out += Hex2(parts.size() == 3 ? value : std::fabs(100 - (value + k)) * 2.55);
    }
    return out;
}

std::string FromGrey(std::string_view rest) {
    const std::string level = Hex2(LeadingNumber(rest) * 255 / 100);
    std::string out = "#";
    for (int i = 0; i < 3; ++i) out += level;
    return out;
}

const char* NamedValue(const std::string& name) {
    for (const auto& entry : kNamedColors) {
        if (name == entry.name) return entry.value;
    }
    return nullptr;
}

// The text of each component value 0..255 as a fraction of 255, made once: colours are set
// around every line of text.
const std::string& ComponentText(int value) {
    static const std::array<std::string, 256> kTexts = [] {
        std::array<std::string, 256> texts;
        for (int v = 0; v < 256; ++v) texts[v] = FormatNum(RoundValue(static_cast<float>(v / 255.0)));
        return texts;
    }();
    return kTexts[value];
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void ParseColor(std::string& color, std::string& second) {
    second.clear();
    if (color.empty()) return;
    const std::string_view rest = std::string_view(color).substr(1);
    switch (color[0]) {
        case '#': color = color.substr(0, 7); return;
        case '%': color = FromGrey(rest); return;
        case '@': color = FromComponents(rest); return;
        default: break;
    }
    const auto parts = Split(color, ';');
    const std::string name = TrimmedUpper(parts[0]);
    if (const char* value = NamedValue(name)) {
        color = value;
        return;
    }
    if (parts.size() > 1) {
        std::string pattern = TrimmedUpper(parts[1]);
        std::string unused;
        ParseColor(pattern, unused);
        second = pattern;
    }
    color = name;
}

std::string ColorToRGB(std::string_view hex) {
    if (hex.size() < 7 || hex[0] != '#') {
        throw Error(kErrTypeMismatch, "Type mismatch: '" + std::string(hex) + "' is not a #RRGGBB colour");
    }
    std::string out;
    out.reserve(17);  // "0.502 0.502 0.502"
    for (size_t i = 1; i < 7; i += 2) {
        const int hi = HexDigit(hex[i]);
        const int lo = HexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) {
            throw Error(kErrTypeMismatch, "Type mismatch: '" + std::string(hex) + "' is not a #RRGGBB colour");
        }
        if (!out.empty()) out += ' ';
        out += ComponentText(hi * 16 + lo);
    }
    return out;
}

}  // namespace folivo
