#include "pdf/core/number_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>

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

// Below a thousand a rounded value has at most six significant digits, all of them whole
// thousandths: its text is read off the integer count of thousandths, without a general
// floating-point conversion. `thousandths` is 1 to 999,999.
void AppendThousandths(std::string& out, bool negative, uint32_t thousandths) {
    char text[16];
    char* end = text + sizeof text;
    char* begin = end;
    uint32_t fraction = thousandths % 1000;
    int places = 3;
    while (fraction != 0 && fraction % 10 == 0) {
        fraction /= 10;
        --places;
    }
    if (fraction != 0) {
        for (int i = 0; i < places; ++i, fraction /= 10) *--begin = static_cast<char>('0' + fraction % 10);
        *--begin = '.';
    }
    uint32_t whole = thousandths / 1000;
    do {
        *--begin = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative) *--begin = '-';
    out.append(begin, end);
}

// Seven significant digits, as a single prints, for any rounded value.
void AppendGeneral(std::string& out, float rounded) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, static_cast<double>(rounded),
                                std::chars_format::general, 7);
    std::string digits(text, result.ptr);
    if (digits.find('e') != std::string::npos) {
        // Seven digits of a large number, written without the exponent PDF cannot read.
        double shortened = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), shortened);
        result = std::to_chars(text, text + sizeof text, shortened, std::chars_format::fixed, 0);
        digits.assign(text, result.ptr);
    }
    TrimFraction(digits);
    out += digits == "-0" ? "0" : digits;
}

}  // namespace

float RoundValue(float value) {
    return value >= 0 ? RoundMagnitude(value) : -RoundMagnitude(-value);
}

std::string FormatNum(float value) {
    std::string text;
    AppendNum(text, value);
    return text;
}

void AppendNum(std::string& out, float value) {
    // Below a thousand the count of thousandths rounded from the scaled single is the text's
    // digits as they are: no round trip through the rounded value (checked for every count).
    const float scaled = std::fabs(value) * 1000.0f;
    if (scaled < 999999.5f) {
        const auto thousandths = static_cast<uint32_t>(std::floor(static_cast<double>(scaled) + 0.5));
        if (thousandths == 0) {
            out += '0';
        } else {
            AppendThousandths(out, value < 0, thousandths);
        }
        return;
    }
    const float rounded = RoundValue(value);
    if (rounded == 0.0f || !std::isfinite(rounded)) {
        out += '0';
        return;
    }
    const double magnitude = std::fabs(static_cast<double>(rounded));
    if (magnitude < 1000.0) {
        AppendThousandths(out, rounded < 0, static_cast<uint32_t>(std::lround(magnitude * 1000.0)));
        return;
    }
    AppendGeneral(out, rounded);
}

}  // namespace folivo
