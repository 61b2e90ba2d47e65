#include "pdf/codec/deflate.hpp"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "pdf/codec/adler32.hpp"
#include "pdf/codec/bit_writer.hpp"
#include "pdf/codec/dynamic_header.hpp"
#include "pdf/codec/huffman.hpp"
#include "pdf/codec/lz77.hpp"

namespace folivo::codec {
namespace {

constexpr size_t kMaxStoredBlock = 65535;

enum class BlockType { kStored, kFixed, kDynamic };

HuffmanCode FixedCode(int symbols, uint8_t (*lengthOf)(int)) {
    std::vector<uint8_t> lengths;
    for (int s = 0; s < symbols; ++s) lengths.push_back(lengthOf(s));
    std::vector<uint16_t> codes = CanonicalCodes(lengths);
    return {std::move(lengths), std::move(codes)};
}

const HuffmanCode& FixedLitLen() {
    static const HuffmanCode code =
        FixedCode(288, [](int s) -> uint8_t { return s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8; });
    return code;
}

const HuffmanCode& FixedDist() {
    static const HuffmanCode code = FixedCode(32, [](int) -> uint8_t { return 5; });
    return code;
}

// Bits of the extra fields of all lengths and distances; the same under every code.
uint64_t ExtraBits(const Lz77Result& lz) {
    uint64_t bits = 0;
    for (size_t c = 0; c < kLengthExtra.size(); ++c) bits += uint64_t{lz.litLenFreq[257 + c]} * kLengthExtra[c];
    for (size_t c = 0; c < lz.distFreq.size(); ++c) bits += uint64_t{lz.distFreq[c]} * kDistExtra[c];
    return bits;
}

uint64_t CodedBits(const Lz77Result& lz, const HuffmanCode& litLen, const HuffmanCode& dist) {
    uint64_t bits = 0;
    for (size_t s = 0; s < lz.litLenFreq.size(); ++s) bits += uint64_t{lz.litLenFreq[s]} * litLen.lengths[s];
    for (size_t s = 0; s < lz.distFreq.size(); ++s) bits += uint64_t{lz.distFreq[s]} * dist.lengths[s];
    return bits;
}

// Byte cost of a coded block of `bits` after its three header bits.
uint64_t CodedCost(uint64_t bits) { return (bits + 3) / 8 + 1; }

uint64_t StoredCost(size_t size) {
    size_t blocks = std::max<size_t>(1, (size + kMaxStoredBlock - 1) / kMaxStoredBlock);
    return size + 5 * blocks;
}

void WriteTokens(BitWriter& out, const Lz77Result& lz, const HuffmanCode& litLen, const HuffmanCode& dist) {
    for (const Lz77Token& t : lz.tokens) {
        if (t.distance == 0) {
            out.Put(litLen.codes[t.value], litLen.lengths[t.value]);
            continue;
        }
        const size_t lc = kLengthCodeOf[t.value];
        out.Put(litLen.codes[257 + lc], litLen.lengths[257 + lc]);
        out.Put(t.value - kLengthBase[lc], kLengthExtra[lc]);
        const auto dc = static_cast<size_t>(DistanceCode(t.distance));
        out.Put(dist.codes[dc], dist.lengths[dc]);
        out.Put(t.distance - kDistBase[dc], kDistExtra[dc]);
    }
    out.Put(litLen.codes[kEndOfBlock], litLen.lengths[kEndOfBlock]);
}

// The raw bytes in stored blocks of at most 65535 bytes; only the last is final.
void WriteStored(BitWriter& out, std::span<const uint8_t> input, std::vector<uint8_t>& bytes) {
    size_t pos = 0;
    do {
        const size_t len = std::min(kMaxStoredBlock, input.size() - pos);
        const bool last = pos + len == input.size();
        out.Put(last ? 1 : 0, 3);
        out.AlignToByte();
        out.Put(static_cast<uint32_t>(len), 16);
        out.Put(static_cast<uint32_t>(~len & 0xFFFF), 16);
        bytes.insert(bytes.end(), input.begin() + static_cast<std::ptrdiff_t>(pos),
                     input.begin() + static_cast<std::ptrdiff_t>(pos + len));
        pos += len;
    } while (pos < input.size());
}

void WriteBigEndian32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

std::vector<uint8_t> DeflateZlib(std::span<const uint8_t> input, int quality) {
    // Positions are 32-bit, like the upper bounds the writer passes around.
    if (input.size() > size_t{INT32_MAX}) throw std::length_error("Deflate input larger than 2 GB");
    const LevelRow& row = kLevelRows[static_cast<size_t>(std::clamp(quality, 0, 3))];
    const Lz77Result lz = FindMatches(input, row);
    const uint64_t extra = ExtraBits(lz);
    const DynamicHeader dynamic = BuildDynamicHeader(lz.litLenFreq, lz.distFreq);

    BlockType type = BlockType::kStored;
    uint64_t best = StoredCost(input.size());
    const uint64_t fixedCost = CodedCost(CodedBits(lz, FixedLitLen(), FixedDist()) + extra);
    if (fixedCost < best) {
        type = BlockType::kFixed;
        best = fixedCost;
    }
    const uint64_t dynamicCost = CodedCost(dynamic.bits + CodedBits(lz, dynamic.litLen, dynamic.dist) + extra);
    if (dynamicCost < best) type = BlockType::kDynamic;

    std::vector<uint8_t> out;
    out.reserve(std::min<uint64_t>(best, StoredCost(input.size())) + 8);
    out.push_back(0x78);
    out.push_back(0x5E);
    BitWriter bits(out);
    switch (type) {
        case BlockType::kStored:
            WriteStored(bits, input, out);
            break;
        case BlockType::kFixed:
            bits.Put(1 | 1 << 1, 3);
            WriteTokens(bits, lz, FixedLitLen(), FixedDist());
            break;
        case BlockType::kDynamic:
            bits.Put(1 | 2 << 1, 3);
            WriteDynamicHeader(bits, dynamic);
            WriteTokens(bits, lz, dynamic.litLen, dynamic.dist);
            break;
    }
    bits.AlignToByte();
    WriteBigEndian32(out, Adler32(input));
    return out;
}

}  // namespace folivo::codec
