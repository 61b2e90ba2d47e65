#include "reports/report_text.hpp"

#include <cstdio>

namespace kv::reports {

namespace {

std::string_view Last(std::string_view text, size_t count) {
    return text.size() <= count ? text : text.substr(text.size() - count);
}

std::string_view First(std::string_view text, size_t count) { return text.substr(0, count); }

}  // namespace

std::string PadOrCut(std::string_view text, size_t width) {
    std::string result(First(text, width));
    result.resize(width, ' ');
    return result;
}

std::string LeftIn10(std::string_view text) { return PadOrCut(text, 10); }

std::string RightIn10(std::string_view text) {
    const std::string_view kept = Last(text, 10);
    std::string column(10 - kept.size(), ' ');
    column += kept;
    return column;
}

std::string Joined(std::initializer_list<std::string_view> parts) {
    size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    std::string text;
    text.reserve(size);
    for (std::string_view part : parts) text += part;
    return text;
}

std::string Repeat(char character, size_t count) { return std::string(count, character); }

std::string DayMonthYear(std::string_view field) {
    const std::string_view day = First(field, 2);
    const std::string_view month = field.size() > 2 ? field.substr(2, 2) : std::string_view{};
    return std::string(day) + "/" + std::string(month) + "/" + std::string(Last(field, 4));
}

std::string MonthYear(std::string_view field) {
    return std::string(First(field, 2)) + "/" + std::string(Last(field, 4));
}

std::string PageDigits(int page) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", ((page % 100) + 100) % 100);
    return digits;
}

}  // namespace kv::reports
