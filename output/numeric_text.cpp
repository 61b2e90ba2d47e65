#include "output/numeric_text.hpp"

#include "archive/number_text.hpp"

namespace kv::output {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// "&H1F" and "&O17": the radix prefixes a number may carry.
bool IsRadixNumber(std::string_view text) {
    if (text.size() < 3 || text[0] != '&') return false;
    const char kind = static_cast<char>(text[1] | 0x20);
    if (kind != 'h' && kind != 'o') return false;
    for (char c : text.substr(2)) {
        const char lower = static_cast<char>(c | 0x20);
        const bool ok = kind == 'h' ? (IsDigit(c) || (lower >= 'a' && lower <= 'f')) : (c >= '0' && c <= '7');
        if (!ok) return false;
    }
    return true;
}

// Removes one sign from either end, or the parentheses around a negative number.
void StripSign(std::string_view& text) {
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        text = TrimBlanks(text.substr(1, text.size() - 2));
        return;
    }
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text = TrimBlanks(text.substr(1));
    } else if (!text.empty() && (text.back() == '+' || text.back() == '-')) {
        text = TrimBlanks(text.substr(0, text.size() - 1));
    }
}

// Digits with grouping marks, then the decimal part, then the exponent.
bool IsPlainNumber(std::string_view text, char decimal) {
    const char grouping = decimal == ',' ? '.' : ',';
    size_t i = 0;
    size_t digits = 0;
    for (; i < text.size() && (IsDigit(text[i]) || (text[i] == grouping && digits > 0)); ++i)
        if (IsDigit(text[i])) ++digits;
    if (i < text.size() && text[i] == decimal) {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && std::string_view("eEdD").find(text[i]) != std::string_view::npos) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == start) return false;
    }
    return i == text.size();
}

}  // namespace

bool IsNumericText(std::string_view text, char decimalSeparator) {
    std::string_view body = TrimBlanks(text);
    if (IsRadixNumber(body)) return true;
    StripSign(body);
    return IsPlainNumber(body, decimalSeparator);
}

double LeadingValue(std::string_view text) { return archive::NumericValue(text); }

}  // namespace kv::output
