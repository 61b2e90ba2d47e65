#include "app/short_date.hpp"

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <locale.h>

namespace kv::app {

namespace {

bool IsPlainCLocale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

std::tm CalendarOf(const platform::LocalDateTime& moment) {
    std::tm calendar{};
    calendar.tm_year = moment.year - 1900;
    calendar.tm_mon = moment.month - 1;
    calendar.tm_mday = moment.day;
    calendar.tm_hour = moment.hour;
    calendar.tm_min = moment.minute;
    calendar.tm_sec = moment.second;
    return calendar;
}

}  // namespace

std::string ShortDateIn(const platform::LocalDateTime& moment, std::string_view localeName) {
    if (IsPlainCLocale(localeName)) return platform::ShortDate(moment);
    locale_t locale = newlocale(LC_TIME_MASK, std::string(localeName).c_str(), locale_t{});
    if (locale == locale_t{}) return platform::ShortDate(moment);
    std::tm calendar = CalendarOf(moment);
    char text[64];
    std::size_t length = strftime_l(text, sizeof text, "%x", &calendar, locale);
    freelocale(locale);
    return length > 0 ? std::string(text, length) : platform::ShortDate(moment);
}

std::string DateLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') return value;
    }
    return {};
}

}  // namespace kv::app
