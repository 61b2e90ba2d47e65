#pragma once
// Device-independent bitmaps as metafiles embed them (an information header, colours, pixels):
// given the file header a BMP file has, they are read by the BMP reader.

#include <string>
#include <string_view>

#include "pdf/image/raster.hpp"

namespace folivo::image {

// Throws the invalid-format error for a damaged or unsupported bitmap.
Raster ReadDib(std::string_view dib);

}  // namespace folivo::image
