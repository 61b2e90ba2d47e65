#include "pdf/security/md5.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace folivo::security {
namespace {

// Per-step additive constants: the integer part of 2^32 * |sin(i + 1)|.
constexpr std::array<uint32_t, 64> kSine{
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

// Left-rotation amounts, four per round.
constexpr std::array<int, 16> kShift{7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};

uint32_t LoadLittle(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

void ProcessBlock(std::array<uint32_t, 4>& state, const uint8_t* block) {
    uint32_t x[16];
    for (int i = 0; i < 16; ++i) x[i] = LoadLittle(block + 4 * i);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        const int round = i / 16;
        uint32_t f;
        int k;
        switch (round) {
            case 0: f = (b & c) | (~b & d); k = i; break;
            case 1: f = (d & b) | (~d & c); k = (5 * i + 1) % 16; break;
            case 2: f = b ^ c ^ d; k = (3 * i + 5) % 16; break;
            default: f = c ^ (b | ~d); k = (7 * i) % 16; break;
        }
        const uint32_t sum = a + f + kSine[static_cast<size_t>(i)] + x[k];
        a = d;
        d = c;
        c = b;
        b = b + std::rotl(sum, kShift[static_cast<size_t>(round * 4 + i % 4)]);
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

}  // namespace

std::string Md5(std::string_view data) {
    std::array<uint32_t, 4> state{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
    size_t whole = data.size() / 64 * 64;
    for (size_t pos = 0; pos < whole; pos += 64) ProcessBlock(state, bytes + pos);

    // Padding: the byte 128, zeros to 56 mod 64, then the bit count, low byte first.
    uint8_t tail[128] = {};
    const size_t rest = data.size() - whole;
    std::memcpy(tail, bytes + whole, rest);
    tail[rest] = 0x80;
    const size_t tailSize = rest < 56 ? 64 : 128;
    const uint64_t bits = static_cast<uint64_t>(data.size()) * 8;
    for (int i = 0; i < 8; ++i) tail[tailSize - 8 + static_cast<size_t>(i)] = static_cast<uint8_t>(bits >> (8 * i));
    for (size_t pos = 0; pos < tailSize; pos += 64) ProcessBlock(state, tail + pos);

    std::string digest(16, '\0');
    for (size_t i = 0; i < 16; ++i) digest[i] = static_cast<char>(state[i / 4] >> (8 * (i % 4)));
    return digest;
}

}  // namespace folivo::security
