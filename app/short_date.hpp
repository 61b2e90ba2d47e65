#pragma once
// The system's short date, as the date field of the certificates shows today's date.

#include <string>
#include <string_view>

#include "platform/clock.hpp"

namespace kv::app {

// The date in the short form of a locale's dates: DD/MM/YYYY for no locale, C, POSIX, C.<codeset>
// and a locale that is not installed (as on the Italian systems this program serves); otherwise
// the locale's own date format.
std::string ShortDateIn(const platform::LocalDateTime& moment, std::string_view localeName);

// The name that rules dates in this process's environment: LC_ALL, else LC_TIME, else LANG.
std::string DateLocaleName();

}  // namespace kv::app
