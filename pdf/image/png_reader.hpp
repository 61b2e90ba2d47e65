#pragma once
// PNG files: every colour type and bit depth, palettes with transparency, Adam7 interlace; alpha
// becomes a soft mask. A plain non-interlaced file keeps its compressed data, decoded by the viewer
// through the PNG predictors.

#include <string_view>

#include "pdf/image/raster.hpp"

namespace folivo::image {

Raster ReadPng(std::string_view file);

}  // namespace folivo::image
