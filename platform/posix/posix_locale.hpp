#pragma once
// The Linux reading of the user's settings, by locale name (tests give the names directly).

#include <string>
#include <string_view>

#include "platform/user_locale.hpp"

namespace kv::platform::posix {

// The settings of a numeric locale and a date locale, by name (see ReadUserLocale).
UserLocale UserLocaleOf(std::string_view numericLocale, std::string_view dateLocale);

// A strftime date format ("%d.%m.%Y") as a short-date picture ("dd.MM.yyyy"); empty when it uses
// a conversion other than %d, %e, %m, %y, %Y and %%.
std::string PatternOfDateFormat(std::string_view format);

// The value of the first of the variables that is set and not empty; empty when none is.
std::string FirstSetVariable(std::initializer_list<const char*> names);

}  // namespace kv::platform::posix
