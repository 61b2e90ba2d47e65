#pragma once
// Constant tables of the Deflate format (RFC 1951) and the encoder's level rows.

#include <array>
#include <cstdint>

namespace folivo::codec {

// Search effort of one compression level: lazy matching and chain walking limits.
struct LevelRow {
    int good;   // a previous match this long cuts the next search to a quarter of the chain
    int lazy;   // matches shorter than this are re-tried one byte later
    int nice;   // a match this long stops the search at once
    int chain;  // most candidates visited per search
};

// One row per compression quality 0..3.
inline constexpr std::array<LevelRow, 4> kLevelRows{{
    {4, 4, 16, 16},
    {8, 16, 32, 32},
    {8, 16, 128, 128},
    {8, 32, 128, 256},
}};

inline constexpr int kMinMatch = 3;
inline constexpr int kMaxMatch = 258;
inline constexpr int kMaxDistance = 32767;

inline constexpr int kLitLenSymbols = 286;  // 0..255 literals, 256 end of block, 257..285 lengths
inline constexpr int kDistSymbols = 30;     // codes the encoder produces
inline constexpr int kCodeLenSymbols = 19;
inline constexpr int kEndOfBlock = 256;

// Order in which the code-length code lengths are sent.
inline constexpr std::array<uint8_t, kCodeLenSymbols> kCodeLengthOrder{
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// Length codes 257..285: base length and extra bits.
inline constexpr std::array<uint16_t, 29> kLengthBase{
    3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
    35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
inline constexpr std::array<uint8_t, 29> kLengthExtra{
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};

// Distance codes; 30 and 31 complete the table but are never produced.
inline constexpr std::array<uint32_t, 32> kDistBase{
    1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193,
    257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577,
    32769, 49153};
inline constexpr std::array<uint8_t, 32> kDistExtra{
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6,
    7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 14};

// Length 3..258 -> index into kLengthBase.
inline constexpr auto kLengthCodeOf = [] {
    std::array<uint8_t, kMaxMatch + 1> table{};
    for (int code = 0; code < 29; ++code) {
        int last = code == 28 ? kMaxMatch : kLengthBase[code + 1] - 1;
        for (int len = kLengthBase[code]; len <= last; ++len) table[len] = static_cast<uint8_t>(code);
    }
    return table;
}();

// Distance code lookup: distances 1..256 at their own index, larger ones at 256 + (distance - 1) / 128
// (one table, so that the choice of index is a select rather than a branch).
inline constexpr auto kDistCodeOf = [] {
    std::array<uint8_t, 257 + 256> table{};
    for (int code = 0; code < kDistSymbols; ++code)
        for (uint32_t d = kDistBase[code]; d < kDistBase[code + 1]; d += d <= 256 ? 1 : 128)
            table[d <= 256 ? d : 256 + ((d - 1) >> 7)] = static_cast<uint8_t>(code);
    return table;
}();

constexpr int DistanceCode(uint32_t distance) {
    return kDistCodeOf[distance <= 256 ? distance : 256 + ((distance - 1) >> 7)];
}

}  // namespace folivo::codec
