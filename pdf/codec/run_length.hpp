#pragma once
// RunLengthDecode form: literal runs and repeated bytes, ended by the byte 128.

#include <cstdint>
#include <span>
#include <vector>

namespace folivo::codec {

std::vector<uint8_t> EncodeRunLength(std::span<const uint8_t> input);

}  // namespace folivo::codec
