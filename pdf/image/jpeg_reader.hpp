#pragma once
// JPEG files: only the frame header is read (size and colour space); the file itself becomes the
// image data under the DCTDecode filter.

#include <string_view>

#include "pdf/image/raster.hpp"

namespace folivo::image {

Raster ReadJpeg(std::string_view file);

}  // namespace folivo::image
