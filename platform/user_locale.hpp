#pragma once
// The user's number and date settings, read once at start-up and passed down: the decimal separator
// of the numeric test and the amounts, and the short-date pattern of the certificates' date field.

#include <string>
#include <string_view>

#include "platform/clock.hpp"

namespace kv::platform {

struct UserLocale {
    char decimalSeparator = ',';
    // A Windows short-date picture: d, dd, M, MM, y, yy, yyyy, text in single quotes, other
    // characters as they stand (Windows-1252).
    std::string shortDatePattern = "dd/MM/yyyy";
};

// The settings of the user running the program. Linux: LC_ALL, else LC_NUMERIC / LC_TIME, else LANG;
// no locale, C, POSIX, C.<codeset> and a locale that is not installed give "," and dd/MM/yyyy, as on
// the Italian systems this program serves. Windows: the user's regional settings.
UserLocale ReadUserLocale();

// The moment's date written in a short-date picture.
std::string FormatShortDate(const LocalDateTime& moment, std::string_view pattern);

}  // namespace kv::platform
