#pragma once
// Truevision TGA files: uncompressed (type 2) and run-length (type 10) true colour, 24 or 32 bits.

#include <string_view>

#include "pdf/image/raster.hpp"

namespace folivo::image {

Raster ReadTga(std::string_view file);

}  // namespace folivo::image
