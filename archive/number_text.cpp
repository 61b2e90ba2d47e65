#include "archive/number_text.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "platform/call_trail.hpp"

namespace kv::archive {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The value of a leading number of at most 15 digits and no exponent, the common case of archive
// fields, read without copying: a whole number below 2^53 divided by an exact power of ten is
// rounded as strtod rounds the same digits. Nothing for any other text.
std::optional<double> ShortNumberValue(std::string_view text) {
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (;; ++i) {
        skipBlanks();
        if (i == text.size()) break;
        const char c = text[i];
        if (IsDigit(c)) {
            if (++digits > 15) return std::nullopt;
            mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            if (c == 'E' || c == 'e') return std::nullopt;
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

// Keeps the characters of the leading number: sign, digits, one point, exponent.
std::string NumberPrefix(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (!IsBlank(c)) compact += c;
    size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ++i;
    while (i < compact.size() && IsDigit(compact[i])) ++i;
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        while (i < compact.size() && IsDigit(compact[i])) ++i;
    }
    size_t mantissaEnd = i;
    if (i < compact.size() && (compact[i] == 'E' || compact[i] == 'e')) {
        ++i;
        if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) ++i;
        size_t digits = i;
        while (i < compact.size() && IsDigit(compact[i])) ++i;
        if (i == digits) i = mantissaEnd;
    }
    return compact.substr(0, i);
}

}  // namespace

double NumericValue(std::string_view text) {
    if (const std::optional<double> value = ShortNumberValue(text)) return *value;
    std::string prefix = NumberPrefix(text);
    if (prefix.empty()) return 0;
    double value = std::strtod(prefix.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

std::string NumberText(double value) { return platform::NumberText(value); }

std::string RightDigits(const std::string& text, size_t width) {
    std::string padded = std::string(width, '0') + text;
    return padded.substr(padded.size() - width);
}

long long WholeNumber(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 9e15) return -1;
    return static_cast<long long>(std::nearbyint(value));
}

}  // namespace kv::archive
