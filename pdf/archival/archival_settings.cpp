#include "pdf/archival/archival_settings.hpp"

#include <array>

#include "pdf/core/upper_name.hpp"
#include "pdf/fonts/standard_fonts.hpp"

namespace folivo::archival {

std::string StandardFontKey(const std::string& name) {
    const size_t comma = name.find(',');
    const std::string family = fonts::WithoutSpaces(name.substr(0, comma));
    const std::string style = comma == std::string::npos ? "" : fonts::WithoutSpaces(name.substr(comma + 1));
    const auto base = fonts::StandardBaseName(UpperAscii(family));
    if (!base) return "";
    constexpr std::array<const char*, 4> kStyles = {"", "BOLD", "ITALIC", "BOLDITALIC"};
    for (int32_t bits = 0; bits < 4; ++bits) {
        if (UpperAscii(style) == kStyles[bits]) return fonts::StyledName(*base, *base, bits);
    }
    return "";
}

}  // namespace folivo::archival
