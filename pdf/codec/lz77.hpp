#pragma once
// LZ77 pass of the Deflate encoder: the input as literals and length/distance pairs.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "pdf/codec/deflate_tables.hpp"

namespace folivo::codec {

// One literal (distance 0, value the byte) or one match (value the length 3..258).
struct Lz77Token {
    uint16_t value;
    uint16_t distance;
};

struct Lz77Result {
    std::vector<Lz77Token> tokens;
    std::array<uint32_t, kLitLenSymbols> litLenFreq{};  // end of block counted once
    std::array<uint32_t, kDistSymbols> distFreq{};
};

// Greedy-with-lazy-evaluation match search over the whole input, as limited by the row.
Lz77Result FindMatches(std::span<const uint8_t> input, const LevelRow& row);

}  // namespace folivo::codec
