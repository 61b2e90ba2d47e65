#pragma once
// Deflate compression in the zlib format (RFC 1950/1951): one final block, the cheapest of
// stored, fixed-code and dynamic-code forms.

#include <cstdint>
#include <span>
#include <vector>

#include "pdf/codec/lz77.hpp"

namespace folivo::codec {

// The tables Deflate keeps between streams: one per document or thread saves allocating and
// clearing them for every stream.
using DeflateScratch = Lz77Scratch;

// Quality 0..3 selects level row quality + 4; larger values act as 3.
std::vector<uint8_t> DeflateZlib(std::span<const uint8_t> input, int quality, DeflateScratch& scratch);
std::vector<uint8_t> DeflateZlib(std::span<const uint8_t> input, int quality);

}  // namespace folivo::codec
