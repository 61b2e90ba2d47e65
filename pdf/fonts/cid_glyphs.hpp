#pragma once
// The glyphs of a Type 0 font (AddFont with Encoding 2): text is UTF-8, any character the font maps
// can be drawn, and each glyph takes the next two-byte code the first time it is drawn. The codes
// are the glyph numbers of the subset written at EndDoc (an identity CIDToGIDMap); code 0 is the
// missing glyph.

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace folivo::fonts {

class CidGlyphs {
public:
    CidGlyphs() = default;
    // glyphOf: the font's character map; advances: each glyph's width in thousandths.
    CidGlyphs(std::unordered_map<char32_t, uint16_t> glyphOf, std::vector<uint16_t> advances);

    uint16_t Glyph(char32_t c) const;  // 0 when the font has no glyph for it
    uint16_t Width(char32_t c) const;  // thousandths of the font size
    // The code that draws the character, given on first use.
    uint16_t Code(char32_t c);

    const std::vector<uint16_t>& Glyphs() const { return glyphs_; }  // the font's glyph of each code
    const std::vector<char32_t>& Chars() const { return chars_; }    // the character each code stands for
    std::vector<uint16_t> CodeWidths() const;                        // the width of each code

private:
    std::unordered_map<char32_t, uint16_t> glyphOf_;
    std::vector<uint16_t> advances_;
    std::vector<uint16_t> glyphs_{0};
    std::vector<char32_t> chars_{0};
    std::unordered_map<uint16_t, uint16_t> codeOf_;  // by glyph
};

}  // namespace folivo::fonts
