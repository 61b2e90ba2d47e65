#pragma once
// The font selection of a document: what SetFont last asked for and which font record it chose.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace folivo::text {

// Style bits that add lines to drawn text (the face bits 1 and 2 live in pdf/fonts).
enum LineStyleBits : int32_t {
    kStyleUnderline = 4,
    kStyleOverline = 8,
    kStyleStrikeOut = 16,
};

struct TextState {
    std::string family;    // last FontFamily given to SetFont
    int32_t style = 0;     // bold 1, italic 2, underline 4, overline 8, strike-through 16
    float size = 0;        // points; 10 on the first SetFont that gives none
    std::string fontName;  // resource name of the selected font
    int32_t fontIndex = 0; // 1-based record in the font table; 0: no font selected
};

// The font operators of text objects ("/F1 9 Tf 9 TL") as last formatted, with the font and size
// each was made for: lines that alternate between a few fonts and sizes format each pair once.
struct FontOperatorText {
    struct Entry {
        int32_t fontIndex = 0;
        float size = 0;
        std::string text;  // empty: the entry is unused
    };
    std::array<Entry, 4> entries;
    size_t next = 0;  // the entry replaced next
};

}  // namespace folivo::text
