#include "pdf/graphics/tiling.hpp"

#include "pdf/core/number_format.hpp"

namespace folivo::graphics {

std::string TilingHeader(const TilingCell& cell, float scale) {
    const auto pt = [scale](float v) { return FormatNum(v * scale); };
    return std::string("<< /Type /Pattern /PatternType 1 /PaintType ") + (cell.style == 0 ? "1" : "2") +
           "\r/TilingType 1\r/BBox [" + pt(cell.xMin) + " " + pt(cell.yMin) + " " + pt(cell.xMax) + " " +
           pt(cell.yMax) + "]\r/Resources 3 0 R\r/XStep " + pt(cell.xStep) + " /YStep " + pt(cell.yStep) +
           "\r/Matrix [1 0 0 1 0 0]";
}

std::string TilingFlip(const TilingCell& cell, float scale) {
    return "1 0 0 -1 0 " + FormatNum((cell.yMax - cell.yMin) * scale) + " cm";
}

}  // namespace folivo::graphics
