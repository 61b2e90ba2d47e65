#pragma once
// CRC-32 of ISO 3309 (polynomial 0xEDB88320, reflected), as PNG chunks carry it.

#include <cstdint>
#include <span>

namespace folivo::codec {

uint32_t Crc32(std::span<const uint8_t> data);

}  // namespace folivo::codec
