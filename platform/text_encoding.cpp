#include "platform/text_encoding.hpp"

#include <array>
#include <cstdint>
#include <cstdio>

namespace kv::platform {

namespace {

// Code points of bytes 0x80-0x9F; the five unassigned bytes keep their C1 code points.
constexpr std::array<char32_t, 32> kHighTable{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighTable[byte - 0x80];
    return byte;
}

char ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) return static_cast<char>(cp);
    for (size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when it is not valid UTF-8.
size_t DecodeUtf8(const std::string& text, size_t i, char32_t& cp) {
    auto lead = static_cast<unsigned char>(text[i]);
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead >= 0xF5 || i + length > text.size()) return 0;
    cp = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    return length;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Cp1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        size_t length = static_cast<unsigned char>(text[i]) < 0x80 ? 0 : DecodeUtf8(text, i, cp);
        if (length == 0) {
            out += text[i++];
        } else {
            out += ByteOf(cp);
            i += length;
        }
    }
    return out;
}

bool IsUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        size_t length = static_cast<unsigned char>(text[i]) < 0x80 ? 1 : DecodeUtf8(text, i, cp);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string FirstCharacterOutsideCp1252(const std::string& utf8) {
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        size_t length = static_cast<unsigned char>(utf8[i]) < 0x80 ? 0 : DecodeUtf8(utf8, i, cp);
        if (length == 0) {
            ++i;
            continue;
        }
        if (ByteOf(cp) == '?') {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            return code;
        }
        i += length;
    }
    return "";
}

std::wstring Cp1252ToWide(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char c : bytes) out += static_cast<wchar_t>(CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string WideToCp1252(std::wstring_view text, size_t* lost) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        char byte = ByteOf(static_cast<char32_t>(c));
        if (byte == '?' && c != L'?' && lost != nullptr) ++*lost;
        out += byte;
    }
    return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace kv::platform
