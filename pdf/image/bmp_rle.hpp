#pragma once
// Expansion of the run-length compressed bitmaps of BMP files (RLE8 and RLE4).

#include <cstdint>
#include <vector>

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

// One index per pixel, top row first, from the run-length data at `offset`; `bits` is 8 or 4.
// Pixels the data never reaches (end of line, delta, end of bitmap) stay 0; pixels past the row
// width are dropped. Data running past the end of the file raises the invalid-format error.
std::vector<uint8_t> ExpandBmpRle(const ByteSource& file, uint64_t offset, int32_t width, int32_t height,
                                  int32_t bits);

}  // namespace folivo::image
