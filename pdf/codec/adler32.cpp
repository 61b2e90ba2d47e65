#include "pdf/codec/adler32.hpp"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "pdf/codec/byte_order.hpp"

namespace folivo::codec {
namespace {

constexpr uint32_t kMod = 65521;
constexpr size_t kBlock = 5552;  // largest run whose sums cannot overflow 32 bits

struct Sums {
    uint32_t a;
    uint32_t b;
};

// Eight bytes a step, as one word: b gains eight times a and each byte weighted by how many of
// the eight sums it enters (8 - its rank). Even and odd bytes sit in 16-bit lanes; a multiply by
// a constant adds the lanes, each times its weight, into the top lane. Then byte by byte.
void AddScalar(const uint8_t* p, size_t count, Sums& s) {
    constexpr uint64_t kByteLanes = 0x00FF00FF00FF00FF;
    constexpr uint64_t kOnes = 0x0001000100010001;
    constexpr uint64_t kEvenRanks = 0x0000000200040006;  // ranks 0, 2, 4, 6, lowest lane last
    constexpr uint64_t kOddRanks = 0x0001000300050007;   // ranks 1, 3, 5, 7
    const uint8_t* const end = p + count;
    for (; end - p >= 8; p += 8) {
        const uint64_t word = LoadLittleEndian64(p);
        const uint64_t even = word & kByteLanes, odd = (word >> 8) & kByteLanes;
        const uint32_t sum = static_cast<uint32_t>(((even + odd) * kOnes) >> 48);
        const uint32_t ranks = static_cast<uint32_t>((even * kEvenRanks) >> 48) +
                               static_cast<uint32_t>((odd * kOddRanks) >> 48);
        s.b += 8 * (s.a + sum) - ranks;
        s.a += sum;
    }
    for (; p < end; ++p) {
        s.a += *p;
        s.b += s.a;
    }
}

#if defined(__SSE2__)
// Sixteen bytes a step in vector lanes, for one block: per step, b gains sixteen times a and each
// byte times 16 - its rank. The lanes keep the byte sums, the sums of the byte sums of the steps
// before each step (the part of a each step adds to b beyond the block's starting a) and the
// weighted bytes; they are added up once at the end. Returns the bytes taken (whole steps).
size_t AddVector(const uint8_t* p, size_t count, Sums& s) {
    const size_t steps = count / 16;
    if (steps == 0) return 0;
    const __m128i zero = _mm_setzero_si128();
    const __m128i lowWeights = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i highWeights = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    __m128i sum = zero, sumsBefore = zero, weighted = zero;
    for (size_t i = 0; i < steps; ++i, p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        sumsBefore = _mm_add_epi32(sumsBefore, sum);
        sum = _mm_add_epi32(sum, _mm_sad_epu8(bytes, zero));
        weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), lowWeights));
        weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), highWeights));
    }
    auto total = [](__m128i v) {
        alignas(16) uint32_t lanes[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(lanes), v);
        return uint64_t{lanes[0]} + lanes[1] + lanes[2] + lanes[3];
    };
    const uint64_t b = s.b + 16 * (steps * uint64_t{s.a} + total(sumsBefore)) + total(weighted);
    s.a += static_cast<uint32_t>(total(sum));  // below 2^21: the block's tail and modulo follow
    s.b = static_cast<uint32_t>(b % kMod);
    return steps * 16;
}
#endif

}  // namespace

uint32_t Adler32(std::span<const uint8_t> data, uint32_t start) {
    Sums s{start & 0xFFFF, start >> 16};
    for (size_t pos = 0; pos < data.size();) {
        size_t count = std::min(data.size() - pos, kBlock);
        const uint8_t* p = data.data() + pos;
        pos += count;
#if defined(__SSE2__)
        const size_t taken = AddVector(p, count, s);
        p += taken;
        count -= taken;
#endif
        AddScalar(p, count, s);
        s.a %= kMod;
        s.b %= kMod;
    }
    return s.b << 16 | s.a;
}

}  // namespace folivo::codec
