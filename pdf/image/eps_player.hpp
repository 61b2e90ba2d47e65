#pragma once
// PostScript pictures in the Illustrator style translated into content operators, line by line:
// path construction and painting, colours, line style. Other lines are skipped.

#include <string>
#include <string_view>
#include <vector>

#include "pdf/image/vector_target.hpp"

namespace folivo::image {

// The content lines, "q" first and "Q" last. A file without a usable "%%BoundingBox:" raises the
// invalid-format error.
std::vector<std::string> PlayEps(std::string_view file, VectorTarget target);

}  // namespace folivo::image
