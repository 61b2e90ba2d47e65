#include "pdf/text/text_string.hpp"

#include <algorithm>

#include "pdf/text/windows1252.hpp"

namespace folivo::text {
namespace {

// Bytes whose PDFDocEncoding character is not their Windows-1252 one: the accents at 0x18-0x1F,
// 0x7F, the typographic block 0x80-0xA0 and the soft hyphen.
bool ReadsDifferently(unsigned char b) {
    return (b >= 0x18 && b <= 0x1F) || b == 0x7F || (b >= 0x80 && b <= 0xA0) || b == 0xAD;
}

}  // namespace

std::string PdfTextString(std::string_view windows1252) {
    if (std::none_of(windows1252.begin(), windows1252.end(),
                     [](char c) { return ReadsDifferently(static_cast<unsigned char>(c)); })) {
        return std::string(windows1252);
    }
    std::string utf16 = "\xFE\xFF";
    for (unsigned char b : windows1252) {
        const char32_t c = Windows1252Char(b);
        utf16 += static_cast<char>(c >> 8);
        utf16 += static_cast<char>(c & 0xFF);
    }
    return utf16;
}

}  // namespace folivo::text
