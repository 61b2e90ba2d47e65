#include "platform/user_locale.hpp"

#include <windows.h>

#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

// One of the user's regional settings as the program's text; empty when it cannot be read.
std::string UserSetting(LCTYPE item) {
    wchar_t value[128] = {};
    int length = ::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, value, 128);
    if (length <= 1) return {};
    return WideToCp1252(std::wstring_view(value, static_cast<size_t>(length - 1)));
}

}  // namespace

UserLocale ReadUserLocale() {
    UserLocale locale;
    std::string decimal = UserSetting(LOCALE_SDECIMAL);
    if (decimal.size() == 1) locale.decimalSeparator = decimal[0];
    std::string pattern = UserSetting(LOCALE_SSHORTDATE);
    if (!pattern.empty()) locale.shortDatePattern = pattern;
    return locale;
}

}  // namespace kv::platform
