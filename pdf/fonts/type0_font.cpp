#include "pdf/fonts/type0_font.hpp"

#include "pdf/core/number_format.hpp"
#include "pdf/core/string_format.hpp"
#include "pdf/fonts/font_table.hpp"
#include "pdf/text/utf8.hpp"

namespace folivo::fonts {
namespace {

constexpr size_t kWidthsPerRow = 16;

// Ends a run of codes as an escaped literal string.
void AppendRun(std::string& out, std::string& codes) {
    out += '(';
    AppendEscaped(out, codes);
    out += ')';
    codes.clear();
}

}  // namespace

std::string Type0Dictionary(std::string_view resourceName, std::string_view baseFontName, int32_t descendantObj,
                            int32_t toUnicodeObj) {
    return "<< /Type /Font /Subtype /Type0 /Name /" + NameToken(resourceName) + " /BaseFont /" +
           NameToken(baseFontName) + " /Encoding /Identity-H\r/DescendantFonts [" + std::to_string(descendantObj) +
           " 0 R] /ToUnicode " + std::to_string(toUnicodeObj) + " 0 R >>";
}

std::string CidFontDictionary(std::string_view baseFontName, int32_t descriptorObj,
                              const std::vector<uint16_t>& widths, const std::string& cidToGidMap) {
    std::string text = "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + NameToken(baseFontName) +
                       "\r/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>\r/FontDescriptor " +
                       std::to_string(descriptorObj) + " 0 R /CIDToGIDMap " + cidToGidMap + "\r/W [0 [";
    for (size_t code = 0; code < widths.size(); ++code) {
        text += std::to_string(widths[code]);
        text += (code + 1) % kWidthsPerRow == 0 ? '\r' : ' ';
    }
    return text + "]] >>";
}

CidShow ShowCidText(CidGlyphs& glyphs, std::string_view utf8, float spaceAdjust) {
    const bool adjusted = spaceAdjust != 0;
    CidShow show;
    std::string& out = show.text;
    std::string codes;  // two bytes a character, big-endian
    if (adjusted) out += '[';
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t c = text::NextUtf8Char(utf8, pos);
        const uint16_t code = glyphs.Code(c);
        if (code == 0 && show.missing == 0) show.missing = c;
        codes += static_cast<char>(code >> 8);
        codes += static_cast<char>(code & 0xFF);
        if (adjusted && c == U' ' && pos < utf8.size()) {
            AppendRun(out, codes);
            out += ' ';
            AppendNum(out, spaceAdjust);
            out += ' ';
        }
    }
    AppendRun(out, codes);
    out += adjusted ? "] TJ" : " Tj";
    return show;
}

}  // namespace folivo::fonts
