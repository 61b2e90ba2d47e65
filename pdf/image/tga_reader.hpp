#pragma once
// Truevision TGA files, uncompressed or run-length: true colour (15/16 bits 5-5-5, 24, 32),
// greyscale (8 bits) and colour-mapped (8- or 16-bit indices). Alpha becomes a soft mask.

#include <string_view>

#include "pdf/image/raster.hpp"

namespace folivo::image {

Raster ReadTga(std::string_view file);

}  // namespace folivo::image
