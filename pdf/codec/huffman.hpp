#pragma once
// Length-limited Huffman code lengths and canonical codes (RFC 1951, 3.2.2).

#include <cstdint>
#include <span>

namespace folivo::codec {

// Optimal code lengths for the frequencies with no code longer than maxBits (package-merge).
// Symbols of frequency 0 get length 0. When fewer than minCodes symbols are used, unused
// symbols from the lowest index are added so the code has at least minCodes entries. At most 288
// symbols and a limit of at most 15 bits; `lengths` is as long as `freqs`.
void LimitedCodeLengths(std::span<const uint32_t> freqs, int maxBits, int minCodes, std::span<uint8_t> lengths);

// Canonical codes for the lengths, bit-reversed so they can be sent least significant bit first;
// `codes` is as long as `lengths`.
void CanonicalCodes(std::span<const uint8_t> lengths, std::span<uint16_t> codes);

}  // namespace folivo::codec
