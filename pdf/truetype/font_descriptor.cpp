#include "pdf/truetype/font_descriptor.hpp"

#include <cstdlib>

namespace folivo::truetype {
namespace {

constexpr uint16_t kBoldAbove = 500;
constexpr int32_t kStemVRegular = 70;
constexpr int32_t kStemVBold = 120;
constexpr size_t kWidthsPerRow = 16;

bool Bold(const TrueTypeFont& font) { return font.weightClass > kBoldAbove; }

}  // namespace

std::string BaseFontName(const TrueTypeFont& font) {
    std::string suffix;
    if (Bold(font)) suffix += "Bold";
    if (font.italicAngle != 0) suffix += "Italic";
    return suffix.empty() ? font.fullName : font.fullName + "," + suffix;
}

int32_t DescriptorFlags(const TrueTypeFont& font) {
    int32_t flags = font.symbolic ? kFlagSymbolic : kFlagNonSymbolic;
    if (font.italicAngle != 0) flags += kFlagItalic;
    if (font.fixedPitch) flags += kFlagFixedPitch;
    return flags;
}

std::string DescriptorText(const TrueTypeFont& font, const std::string& italicAngle) {
    const auto n = [](int32_t value) { return std::to_string(value); };
    return "/Flags " + n(DescriptorFlags(font)) + " /FontBBox [" + n(font.bbox[0]) + " " + n(font.bbox[1]) +
           " " + n(font.bbox[2]) + " " + n(font.bbox[3]) + "] /MissingWidth " + n(font.missingWidth) +
           " /StemV " + n(Bold(font) ? kStemVBold : kStemVRegular) + " /ItalicAngle " + italicAngle +
           " /CapHeight " + n(font.ascent) + " /XHeight " + n(font.ascent / 2) + " /Ascent " +
           n(font.ascent) + " /Descent " + n(font.descent) + " /MaxWidth " + n(font.maxWidth) +
           " /AvgWidth " + n(font.avgWidth);
}

std::string DictionaryEnd(int32_t descriptorObj, const fonts::WidthTable& widths, int32_t toUnicodeObj) {
    std::string text = "/FontDescriptor " + std::to_string(descriptorObj) + " 0 R\r/Widths [";
    for (size_t code = 0; code < widths.size(); ++code) {
        text += std::to_string(widths[code]) + " ";
        if ((code + 1) % kWidthsPerRow == 0) text += '\r';
    }
    text += "]\r";
    if (toUnicodeObj != 0) text += "/ToUnicode " + std::to_string(toUnicodeObj) + " 0 R\r";
    return text + ">>";
}

}  // namespace folivo::truetype
