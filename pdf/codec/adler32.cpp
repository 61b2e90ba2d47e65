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
        const size_t end = std::min(data.size(), pos + kBlock);
        // Eight bytes a step: b gains eight times a and each byte weighted by how many of the
        // eight sums it enters, which breaks the byte-by-byte chain of additions.
        for (; pos + 8 <= end; pos += 8) {
            const uint8_t* p = data.data() + pos;
            b += 8 * a + 8u * p[0] + 7u * p[1] + 6u * p[2] + 5u * p[3] + 4u * p[4] + 3u * p[5] + 2u * p[6] + p[7];
            a += uint32_t{p[0]} + p[1] + p[2] + p[3] + p[4] + p[5] + p[6] + p[7];
        }
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
