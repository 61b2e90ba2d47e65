#include "pdf/codec/adler32.hpp"

#include <algorithm>

namespace folivo::codec {

uint32_t Adler32(std::span<const uint8_t> data, uint32_t start) {
    constexpr uint32_t kMod = 65521;
    constexpr size_t kBlock = 5552;  // largest run whose sums cannot overflow 32 bits
    uint32_t a = start & 0xFFFF;
    uint32_t b = start >> 16;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t end = std::min(data.size(), pos + kBlock);
        for (; pos < end; ++pos) {
            a += data[pos];
            b += a;
        }
        a %= kMod;
        b %= kMod;
    }
    return b << 16 | a;
}

}  // namespace folivo::codec
