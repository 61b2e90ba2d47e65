#include <clocale>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>

#include "platform/posix/posix_locale.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace posix {

namespace {

bool IsPlainCLocale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.substr(0, 2) == "C.";
}

// An item of an installed locale, as the program's text; empty when the locale is plain or missing.
std::string LocaleItem(std::string_view name, int categoryMask, nl_item item) {
    if (IsPlainCLocale(name)) return {};
    locale_t locale = ::newlocale(categoryMask, std::string(name).c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return {};
    const char* value = ::nl_langinfo_l(item, locale);
    std::string text = value != nullptr ? value : "";
    const char* codeset = ::nl_langinfo_l(CODESET, locale);
    bool utf8 = codeset != nullptr && std::string_view(codeset) == "UTF-8";
    ::freelocale(locale);
    return utf8 ? Utf8ToCp1252(text) : text;
}

// A literal run of a date format, quoted when it holds a pattern letter.
std::string Literal(std::string_view text) {
    if (text.find_first_of("dMy'") == std::string_view::npos) return std::string(text);
    return "'" + std::string(text) + "'";
}

}  // namespace

std::string PatternOfDateFormat(std::string_view format) {
    std::string pattern;
    std::string literal;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            literal += format[i];
            continue;
        }
        if (++i == format.size()) return {};
        const char conversion = format[i];
        if (conversion == '%') {
            literal += '%';
            continue;
        }
        pattern += Literal(literal);
        literal.clear();
        switch (conversion) {
            case 'd': pattern += "dd"; break;
            case 'e': pattern += "d"; break;
            case 'm': pattern += "MM"; break;
            case 'y': pattern += "yy"; break;
            case 'Y': pattern += "yyyy"; break;
            default: return {};
        }
    }
    return pattern + Literal(literal);
}

std::string FirstSetVariable(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') return value;
    }
    return {};
}

UserLocale UserLocaleOf(std::string_view numericLocale, std::string_view dateLocale) {
    UserLocale locale;
    std::string radix = LocaleItem(numericLocale, LC_NUMERIC_MASK, RADIXCHAR);
    if (radix.size() == 1) locale.decimalSeparator = radix[0];
    std::string pattern = PatternOfDateFormat(LocaleItem(dateLocale, LC_TIME_MASK, D_FMT));
    if (!pattern.empty()) locale.shortDatePattern = pattern;
    return locale;
}

}  // namespace posix

UserLocale ReadUserLocale() {
    return posix::UserLocaleOf(posix::FirstSetVariable({"LC_ALL", "LC_NUMERIC", "LANG"}),
                               posix::FirstSetVariable({"LC_ALL", "LC_TIME", "LANG"}));
}

}  // namespace kv::platform
