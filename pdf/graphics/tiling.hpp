#pragma once
// A tiling pattern being defined: its name, its dictionary and the first line of its cell.

#include <cstdint>
#include <string>

namespace folivo::graphics {

struct TilingCell {
    float xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // user units
    float xStep = 0, yStep = 0;
    int32_t style = 0;  // 0 coloured (PaintType 1); else PaintType 2, the colour given when painting
};

// The pattern dictionary without its stream part (no closing ">>").
std::string TilingHeader(const TilingCell& cell, float scale);

// The cell content's first line (without its carriage return): flips Y so the cell is drawn like a page.
std::string TilingFlip(const TilingCell& cell, float scale);

}  // namespace folivo::graphics
