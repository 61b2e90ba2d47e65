#include "platform/registry_text.hpp"

#include <cstdint>

namespace kv::platform {

namespace {

// Code points of the bytes 0x80 to 0x9F of Windows-1252; 0 where the byte is undefined.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::string FromUtf16Le(const std::string& bytes, std::size_t start) {
    std::string text;
    std::size_t i = start;
    auto unit = [&bytes](std::size_t at) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
    };
    while (i + 1 < bytes.size()) {
        char32_t cp = unit(i);
        i += 2;
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < bytes.size()) {
            char32_t low = unit(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        text += Cp1252FromCodePoint(cp);
    }
    return text;
}

// Length of the UTF-8 sequence a lead byte starts, 0 for a byte that cannot lead.
int Utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

std::string FromUtf8(const std::string& bytes, std::size_t start) {
    std::string text;
    std::size_t i = start;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        int length = Utf8Length(lead);
        if (length == 0 || i + length > bytes.size()) {
            text += '?';
            ++i;
            continue;
        }
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        }
        text += Cp1252FromCodePoint(cp);
        i += length;
    }
    return text;
}

}  // namespace

char Cp1252FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(codePoint));
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

std::string DecodeRegistryText(const std::string& bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return FromUtf16Le(bytes, 2);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return FromUtf8(bytes, 3);
    return bytes;
}

}  // namespace kv::platform
