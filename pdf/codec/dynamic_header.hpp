#pragma once
// The trees of a dynamic Deflate block and the run-length coded header that describes them.

#include <array>
#include <cstdint>
#include <vector>

#include "pdf/codec/bit_writer.hpp"
#include "pdf/codec/deflate_tables.hpp"

namespace folivo::codec {

// A code's lengths and bit-reversed codes by symbol; the symbols past the alphabet stay 0.
struct HuffmanCode {
    static constexpr size_t kRoom = 288;  // the largest alphabet, the fixed literal/length code's
    std::array<uint8_t, kRoom> lengths{};
    std::array<uint16_t, kRoom> codes{};
};

// One symbol of the code-length alphabet with its extra-bits value (for 16, 17 and 18).
struct CodeLengthItem {
    uint8_t symbol;
    uint8_t extra;
};

struct DynamicHeader {
    HuffmanCode litLen;
    HuffmanCode dist;
    HuffmanCode codeLen;
    int hlit = 257;  // literal/length codes sent
    int hdist = 1;   // distance codes sent
    int hclen = 4;   // code-length codes sent
    std::vector<CodeLengthItem> items;
    uint64_t bits = 0;  // size of the header after the three block-type bits
};

DynamicHeader BuildDynamicHeader(const std::array<uint32_t, kLitLenSymbols>& litLenFreq,
                                 const std::array<uint32_t, kDistSymbols>& distFreq);

void WriteDynamicHeader(BitWriter& out, const DynamicHeader& header);

// Run-length coding of a code-length sequence with the symbols 16, 17 and 18.
void AppendCodeLengthRuns(const uint8_t* lengths, int count, std::vector<CodeLengthItem>& items);

}  // namespace folivo::codec
