#pragma once
// Windows metafiles translated into content operators: window origin and extent, pens, brushes,
// polygons, polylines and polypolygons. Other records are skipped.

#include <string>
#include <string_view>
#include <vector>

#include "pdf/image/picture_host.hpp"
#include "pdf/image/vector_target.hpp"

namespace folivo::image {

// The content lines, "q" first and "Q" last. A damaged file raises the invalid-format error.
std::vector<std::string> PlayWmf(std::string_view file, VectorTarget target, PictureHost& host);

}  // namespace folivo::image
