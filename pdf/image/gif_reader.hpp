#pragma once
// GIF87a and GIF89a files: the picture whose image descriptor is the `frame`-th (from 1).

#include <cstdint>
#include <string_view>

#include "pdf/image/raster.hpp"

namespace folivo::image {

// The transparent index of the frame's graphic-control extension, when it has one, becomes the
// colour key. A file without that frame raises the invalid-format error.
Raster ReadGif(std::string_view file, int32_t frame);

}  // namespace folivo::image
