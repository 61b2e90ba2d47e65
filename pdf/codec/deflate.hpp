#pragma once
// Deflate compression in the zlib format (RFC 1950/1951): one final block, the cheapest of
// stored, fixed-code and dynamic-code forms.

#include <cstdint>
#include <span>
#include <vector>

namespace folivo::codec {

// Quality 0..3 selects level row quality + 4; larger values act as 3.
std::vector<uint8_t> DeflateZlib(std::span<const uint8_t> input, int quality);

}  // namespace folivo::codec
