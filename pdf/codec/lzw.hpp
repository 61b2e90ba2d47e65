#pragma once
// LZWDecode form with early change: 9- to 12-bit codes, most significant bit first, a clear code
// at the start and whenever the table is full, and the end code 257.

#include <cstdint>
#include <span>
#include <vector>

#include "pdf/codec/decoded.hpp"

namespace folivo::codec {

std::vector<uint8_t> EncodeLzw(std::span<const uint8_t> input);

// Decodes up to the end code (or the end of the data); `earlyChange` as the /EarlyChange entry
// (1, the default, widens codes one entry early).
Decoded DecodeLzw(std::span<const uint8_t> input, bool earlyChange = true, size_t limit = kDecodeLimit);

}  // namespace folivo::codec
