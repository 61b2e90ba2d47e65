#pragma once
// The font selection of a document: what SetFont last asked for and which font record it chose.

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

}  // namespace folivo::text
