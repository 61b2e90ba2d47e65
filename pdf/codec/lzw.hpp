#pragma once
// LZWDecode form with early change: 9- to 12-bit codes, most significant bit first, a clear code
// at the start and whenever the table is full, and the end code 257.

#include <cstdint>
#include <span>
#include <vector>

namespace folivo::codec {

std::vector<uint8_t> EncodeLzw(std::span<const uint8_t> input);

}  // namespace folivo::codec
