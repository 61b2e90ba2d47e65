#pragma once
// The LZW variant of GIF image data: variable code width from the minimum code size + 1 up to
// 12 bits, codes packed least significant bit first, clear and end-of-information codes.

#include <cstdint>
#include <string_view>
#include <vector>

namespace folivo::image {

// Decodes up to `pixelCount` indices; data that ends early leaves the rest 0. A code that is
// neither in the table nor the next one to be added raises the invalid-format error.
std::vector<uint8_t> DecodeGifLzw(std::string_view data, int32_t minimumCodeSize, size_t pixelCount);

}  // namespace folivo::image
