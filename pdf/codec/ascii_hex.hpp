#pragma once
// ASCIIHexDecode form: two upper-case hexadecimal digits per byte, no end marker.

#include <cstdint>
#include <span>
#include <vector>

namespace folivo::codec {

std::vector<uint8_t> EncodeAsciiHex(std::span<const uint8_t> input);

}  // namespace folivo::codec
