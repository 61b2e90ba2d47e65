#pragma once
// RunLengthDecode form: literal runs and repeated bytes, ended by the byte 128.

#include <cstdint>
#include <span>
#include <vector>

#include "pdf/codec/decoded.hpp"

namespace folivo::codec {

std::vector<uint8_t> EncodeRunLength(std::span<const uint8_t> input);

// Decodes up to the byte 128 (or the end).
Decoded DecodeRunLength(std::span<const uint8_t> input, size_t limit = kDecodeLimit);

}  // namespace folivo::codec
