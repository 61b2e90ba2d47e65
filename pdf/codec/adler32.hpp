#pragma once
// Adler-32 checksum of RFC 1950.

#include <cstdint>
#include <span>

namespace folivo::codec {

uint32_t Adler32(std::span<const uint8_t> data, uint32_t start = 1);

}  // namespace folivo::codec
