#include "pdf/text/windows1252.hpp"

#include <cstdint>

namespace folivo::text {
namespace {

// Characters of the bytes 0x80..0x9F; 0 marks the five unassigned bytes, which stand for the
// control characters of the same number.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ByteFor(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) return 0x80 + i;
        if (kHighControls[i] == 0 && c == static_cast<char32_t>(0x80 + i)) return 0x80 + i;
    }
    return '?';
}

// Decodes one character at pos and advances pos; returns a value above 0x10FFFF when malformed.
char32_t NextChar(std::string_view s, size_t& pos) {
    constexpr char32_t kBad = 0x110000;
    const auto lead = static_cast<uint8_t>(s[pos++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (lead >= 0xF5) extra = -1;
    if (extra < 0) return kBad;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<uint8_t>(s[pos]) & 0xC0) != 0x80) return kBad;
        c = c << 6 | (static_cast<uint8_t>(s[pos++]) & 0x3F);
    }
    const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kBad;
    return c;
}

}  // namespace

char32_t Windows1252Char(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char32_t c = kHighControls[byte - 0x80];
    return c ? c : 0xFFFD;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) out += static_cast<char>(ByteFor(NextChar(utf8, pos)));
    return out;
}

}  // namespace folivo::text
