#pragma once
// PostScript pictures (EPS files, Illustrator files) drawn through a small PostScript interpreter:
// paths, painting, colours, line style, transformations, saved states, clipping, text in the
// standard fonts and the file's own procedures. The file is run line by line: a line that cannot
// run is skipped with whatever it left on the stack, so damage stays local. Previews (a DOS EPS
// header's TIFF or metafile, %%BeginPreview sections) are never read as PostScript.

#include <string>
#include <string_view>
#include <vector>

#include "pdf/image/picture_host.hpp"
#include "pdf/image/vector_target.hpp"

namespace folivo::image {

// The content lines, "q" first and "Q" last. Raises the invalid-format error, drawing nothing, for
// a file without a usable "%%BoundingBox:", one that draws raster data, one that runs too long,
// and one from which nothing could be drawn.
std::vector<std::string> PlayEps(std::string_view file, VectorTarget target, PictureHost& host);

}  // namespace folivo::image
