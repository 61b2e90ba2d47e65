#include "pdf/text/utf8.hpp"

#include <cstdint>

namespace folivo::text {

char32_t NextUtf8Char(std::string_view s, size_t& pos) {
    const auto lead = static_cast<uint8_t>(s[pos++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 && lead < 0xF0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (extra < 0) return kReplacementChar;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<uint8_t>(s[pos]) & 0xC0) != 0x80) return kReplacementChar;
        c = c << 6 | (static_cast<uint8_t>(s[pos++]) & 0x3F);
    }
    const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacementChar;
    return c;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) out += NextUtf8Char(text, pos);
    return out;
}

}  // namespace folivo::text
