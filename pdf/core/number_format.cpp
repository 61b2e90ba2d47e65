#include "pdf/core/number_format.hpp"

#include <charconv>
#include <cmath>

namespace folivo {

namespace {

float RoundMagnitude(float magnitude) {
    // The product is taken in single precision, as the stored value is a single:
    // 813.6535f * 1000 is exactly 813653.5 there and rounds up to 813.654.
    const float scaled = magnitude * 1000.0f;
    return static_cast<float>(std::floor(static_cast<double>(scaled) + 0.5) * 0.001);
}

// Drops trailing zeros of a fraction and a trailing decimal point.
void TrimFraction(std::string& text) {
    if (text.find('.') == std::string::npos) return;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
}

}  // namespace

float RoundValue(float value) {
    return value >= 0 ? RoundMagnitude(value) : -RoundMagnitude(-value);
}

std::string FormatNum(float value) {
    const float rounded = RoundValue(value);
    if (rounded == 0.0f || !std::isfinite(rounded)) return "0";
    char text[64];
    // Seven significant digits, as a single prints.
    auto result = std::to_chars(text, text + sizeof text, static_cast<double>(rounded),
                                std::chars_format::general, 7);
    std::string out(text, result.ptr);
    if (out.find('e') != std::string::npos) {
        // Seven digits of a large number, written without the exponent PDF cannot read.
        double shortened = 0;
        std::from_chars(out.data(), out.data() + out.size(), shortened);
        result = std::to_chars(text, text + sizeof text, shortened, std::chars_format::fixed, 0);
        out.assign(text, result.ptr);
    }
    TrimFraction(out);
    return out == "-0" ? "0" : out;
}

}  // namespace folivo
