#pragma once
// Eight bytes as one little-endian word, for the codecs that take input a word at a time.

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

}  // namespace folivo::codec
