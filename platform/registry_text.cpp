#include "platform/registry_text.hpp"

#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

// UTF-16LE code units from byte `start` on, as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(const std::string& bytes, std::size_t start) {
    auto unit = [&bytes](std::size_t at) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
    };
    std::string text;
    std::size_t i = start;
    while (i + 1 < bytes.size()) {
        char32_t cp = unit(i);
        i += 2;
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < bytes.size() && unit(i) >= 0xDC00 &&
            unit(i) <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i) - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(text, cp);
    }
    return text;
}

}  // namespace

std::string RegistryTextAsUtf8(const std::string& bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') return Utf16LeToUtf8(bytes, 2);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return bytes.substr(3);
    return IsUtf8(bytes) ? bytes : Cp1252ToUtf8(bytes);
}

std::string DecodeRegistryText(const std::string& bytes) { return Utf8ToCp1252(RegistryTextAsUtf8(bytes)); }

}  // namespace kv::platform
