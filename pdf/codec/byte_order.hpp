#pragma once
// Little-endian words loaded and stored at once, for the codecs that take or give bytes a word at
// a time.

#include <bit>
#include <cstdint>
#include <cstring>

namespace folivo::codec {

inline uint64_t LoadLittleEndian64(const uint8_t* p) {
    uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&word, p, 8);
    } else {
        for (int i = 7; i >= 0; --i) word = word << 8 | p[i];
    }
    return word;
}

// Eight bytes, the first the highest (one byte-swapped load).
inline uint64_t LoadBigEndian64(const uint8_t* p) {
    if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(LoadLittleEndian64(p));
    uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

inline void StoreLittleEndian32(uint8_t* p, uint32_t value) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &value, 4);
    } else {
        for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

}  // namespace folivo::codec
