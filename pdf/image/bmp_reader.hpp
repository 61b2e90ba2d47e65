#pragma once
// Windows bitmap (BMP) files: uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel, RLE8 and RLE4.

#include <string>
#include <string_view>

#include "pdf/image/raster.hpp"

namespace folivo::image {

// `colorMask` is "#RRGGBB" (the colour shown transparent) or empty.
Raster ReadBmp(std::string_view file, const std::string& colorMask);

}  // namespace folivo::image
