#include "archive/number_text.hpp"

#include <cmath>
#include <cstdlib>

#include "platform/call_trail.hpp"

namespace kv::archive {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Keeps the characters of the leading number: sign, digits, one point, exponent.
std::string NumberPrefix(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact += c;
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
