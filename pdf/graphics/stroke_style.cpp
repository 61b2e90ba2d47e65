#include "pdf/graphics/stroke_style.hpp"

#include "pdf/core/leading_number.hpp"
#include "pdf/core/number_format.hpp"
#include "pdf/core/upper_name.hpp"

namespace folivo::graphics {

namespace {

// Dash lengths of the named patterns, in user units; nullptr for a name not listed.
const std::vector<float>* NamedDash(const std::string& name) {
    static const std::vector<float> kDash{0.1f};
    static const std::vector<float> kDot{0.05f};
    static const std::vector<float> kDashDot{0.1f, 0.05f, 0.05f, 0.05f};
    static const std::vector<float> kDashDotDot{0.1f, 0.05f, 0.05f, 0.05f, 0.05f, 0.05f};
    if (name == "DASH") return &kDash;
    if (name == "DOT") return &kDot;
    if (name == "DASHDOT") return &kDashDot;
    if (name == "DASHDOTDOT") return &kDashDotDot;
    return nullptr;
}

}  // namespace

std::string DashOperator(const std::string& pattern, float phase, float scale) {
    const std::string name = TrimmedUpper(pattern);
    std::string list;
    if (name.empty() || name == "SOLID") {
        phase = 0;
    } else if (const auto* lengths = NamedDash(name)) {
        for (float length : *lengths) list += (list.empty() ? "" : " ") + FormatNum(length * scale);
    } else {
        size_t start = 0;
        for (;;) {
            const size_t end = name.find(';', start);
            list += " " + FormatNum(static_cast<float>(LeadingNumber(name.substr(start, end - start))) * scale);
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
    return "[" + list + " ] " + FormatNum(phase * scale) + " d";
}

std::vector<std::string> LineStyleOperators(int32_t style, float miterLimit) {
    std::vector<std::string> ops{std::to_string((style & 112) / 32) + " J", std::to_string((style & 7) / 2) + " j"};
    if (miterLimit >= 1) ops.push_back(FormatNum(miterLimit) + " M");
    return ops;
}

std::string OpacityText(int32_t percent) {
    if (percent < 0) return "0";
    if (percent > 100) return "1";
    return FormatNum(static_cast<float>(percent) / 100.0f);
}

}  // namespace folivo::graphics
