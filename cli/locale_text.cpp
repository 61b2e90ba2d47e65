#include "cli/locale_text.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/text_encoding.hpp"

namespace kv::cli {

namespace {

// Upper case without "-" and "_": "iso-8859-15" -> "ISO885915".
std::string Canonical(std::string_view codeset) {
    std::string name;
    for (char c : codeset)
        if (c != '-' && c != '_') name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

bool IsEightBitLatin(std::string_view codeset) {
    static const char* const kLatin[] = {"ISO88591", "ISO885915", "LATIN1", "CP1252", "WINDOWS1252"};
    const std::string name = Canonical(codeset);
    return std::any_of(std::begin(kLatin), std::end(kLatin), [&](const char* latin) { return name == latin; });
}

}  // namespace

std::string CodesetOf(std::string_view localeName) {
    const size_t dot = localeName.find('.');
    if (dot == std::string_view::npos) return "";
    const std::string_view rest = localeName.substr(dot + 1);
    return std::string(rest.substr(0, rest.find('@')));
}

std::string EnvironmentCodeset() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return CodesetOf(value);
    }
    return "";
}

std::string ArgumentText(const std::string& argument, std::string_view codeset) {
    return IsEightBitLatin(codeset) ? argument : platform::Utf8ToCp1252(argument);
}

std::vector<std::string> ArgumentsText(const std::vector<std::string>& arguments, std::string_view codeset) {
    std::vector<std::string> converted;
    for (const std::string& argument : arguments) converted.push_back(ArgumentText(argument, codeset));
    return converted;
}

}  // namespace kv::cli
