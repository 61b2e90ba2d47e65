#include "pdf/fonts/cid_glyphs.hpp"

#include <utility>

namespace folivo::fonts {

CidGlyphs::CidGlyphs(std::unordered_map<char32_t, uint16_t> glyphOf, std::vector<uint16_t> advances)
    : glyphOf_(std::move(glyphOf)), advances_(std::move(advances)) {}

uint16_t CidGlyphs::Glyph(char32_t c) const {
    const auto found = glyphOf_.find(c);
    return found == glyphOf_.end() ? 0 : found->second;
}

uint16_t CidGlyphs::Width(char32_t c) const {
    const uint16_t glyph = Glyph(c);
    return glyph < advances_.size() ? advances_[glyph] : 0;
}

uint16_t CidGlyphs::Code(char32_t c) {
    const uint16_t glyph = Glyph(c);
    if (glyph == 0) return 0;
    const auto [found, added] = codeOf_.emplace(glyph, static_cast<uint16_t>(glyphs_.size()));
    if (added) {
        // A font has at most 65535 glyphs, so its codes never run out.
        glyphs_.push_back(glyph);
        chars_.push_back(c);
    }
    return found->second;
}

std::vector<uint16_t> CidGlyphs::CodeWidths() const {
    std::vector<uint16_t> widths;
    for (uint16_t glyph : glyphs_) widths.push_back(glyph < advances_.size() ? advances_[glyph] : 0);
    return widths;
}

}  // namespace folivo::fonts
