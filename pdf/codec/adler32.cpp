#include "pdf/codec/adler32.hpp"

#include <algorithm>

#include "pdf/codec/byte_order.hpp"

namespace folivo::codec {

uint32_t Adler32(std::span<const uint8_t> data, uint32_t start) {
    constexpr uint32_t kMod = 65521;
    constexpr size_t kBlock = 5552;  // largest run whose sums cannot overflow 32 bits
    constexpr uint64_t kByteLanes = 0x00FF00FF00FF00FF;
    constexpr uint64_t kOnes = 0x0001000100010001;
    constexpr uint64_t kEvenRanks = 0x0000000200040006;  // ranks 0, 2, 4, 6, lowest lane last
    constexpr uint64_t kOddRanks = 0x0001000300050007;   // ranks 1, 3, 5, 7
    uint32_t a = start & 0xFFFF;
    uint32_t b = start >> 16;
    size_t pos = 0;
    while (pos < data.size()) {
        const size_t end = std::min(data.size(), pos + kBlock);
        // Eight bytes a step, as one word: b gains eight times a and each byte weighted by how many
        // of the eight sums it enters (8 - its rank). Even and odd bytes sit in 16-bit lanes; a
        // multiply by a constant adds the lanes, each times its weight, into the top lane.
        for (; pos + 8 <= end; pos += 8) {
            const uint64_t word = LoadLittleEndian64(data.data() + pos);
            const uint64_t even = word & kByteLanes, odd = (word >> 8) & kByteLanes;
            const uint32_t sum = static_cast<uint32_t>(((even + odd) * kOnes) >> 48);
            const uint32_t ranks = static_cast<uint32_t>((even * kEvenRanks) >> 48) +
                                   static_cast<uint32_t>((odd * kOddRanks) >> 48);
            b += 8 * (a + sum) - ranks;
            a += sum;
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
