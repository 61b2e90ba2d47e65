#include "platform/user_locale.hpp"

#include <string>

namespace kv::platform {

namespace {

std::string Padded(int value, size_t width) {
    std::string digits = std::to_string(value);
    return digits.size() >= width ? digits : std::string(width - digits.size(), '0') + digits;
}

// One run of a pattern letter: "d" 7, "dd" 07, "M" 3, "MM" 03, "y"/"yy" 26, "yyy"+ 2026. Longer runs
// of d and M (day and month names) are written as numbers too.
std::string Field(const LocalDateTime& moment, char letter, size_t run) {
    switch (letter) {
        case 'd': return Padded(moment.day, run >= 2 ? 2 : 1);
        case 'M': return Padded(moment.month, run >= 2 ? 2 : 1);
        default: return run <= 2 ? Padded(moment.year % 100, run) : Padded(moment.year, 4);
    }
}

}  // namespace

std::string FormatShortDate(const LocalDateTime& moment, std::string_view pattern) {
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'') {
            const size_t end = pattern.find('\'', i + 1);
            out += pattern.substr(i + 1, (end == std::string_view::npos ? pattern.size() : end) - i - 1);
            i = end == std::string_view::npos ? pattern.size() : end + 1;
        } else if (c == 'd' || c == 'M' || c == 'y') {
            size_t run = 1;
            while (i + run < pattern.size() && pattern[i + run] == c) ++run;
            out += Field(moment, c, run);
            i += run;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace kv::platform
