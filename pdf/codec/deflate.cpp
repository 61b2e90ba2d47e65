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

HuffmanCode FixedCode(size_t symbols, uint8_t (*lengthOf)(size_t)) {
    HuffmanCode code;
    for (size_t s = 0; s < symbols; ++s) code.lengths[s] = lengthOf(s);
    CanonicalCodes({code.lengths.data(), symbols}, {code.codes.data(), symbols});
    return code;
}

const HuffmanCode& FixedLitLen() {
    static const HuffmanCode code =
        FixedCode(288, [](size_t s) -> uint8_t { return s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8; });
    return code;
}

const HuffmanCode& FixedDist() {
    static const HuffmanCode code = FixedCode(32, [](size_t) -> uint8_t { return 5; });
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

// The codes of lengths 3..258 with their extra bits, as one field each.
struct LengthCodes {
    std::array<uint32_t, kMaxMatch + 1> bits;
    std::array<uint8_t, kMaxMatch + 1> count;
};

LengthCodes CodeLengths(const HuffmanCode& litLen) {
    LengthCodes t;  // lengths 0..2 are never looked up
    for (int length = kMinMatch; length <= kMaxMatch; ++length) {
        const size_t lc = kLengthCodeOf[static_cast<size_t>(length)];
        const int codeBits = litLen.lengths[257 + lc];
        t.bits[static_cast<size_t>(length)] = litLen.codes[257 + lc] | uint32_t(length - kLengthBase[lc]) << codeBits;
        t.count[static_cast<size_t>(length)] = static_cast<uint8_t>(codeBits + kLengthExtra[lc]);
    }
    return t;
}

void WriteTokens(BitWriter& writer, const Lz77Result& lz, const HuffmanCode& litLen, const HuffmanCode& dist) {
    const LengthCodes lengths = CodeLengths(litLen);
    BitWriter out = writer;
    for (const Lz77Token& t : lz.tokens) {
        if (t.distance == 0) {
            out.Put(litLen.codes[t.value], litLen.lengths[t.value]);
            continue;
        }
        out.Put(lengths.bits[t.value], lengths.count[t.value]);
        const auto dc = static_cast<size_t>(DistanceCode(t.distance));
        out.Put(dist.codes[dc] | (t.distance - kDistBase[dc]) << dist.lengths[dc], dist.lengths[dc] + kDistExtra[dc]);
    }
    out.Put(litLen.codes[kEndOfBlock], litLen.lengths[kEndOfBlock]);
    writer = out;
}

// The raw bytes in stored blocks of at most 65535 bytes; only the last is final.
void WriteStored(BitWriter& out, std::span<const uint8_t> input) {
    size_t pos = 0;
    do {
        const size_t len = std::min(kMaxStoredBlock, input.size() - pos);
        const bool last = pos + len == input.size();
        out.Put(last ? 1 : 0, 3);
        out.AlignToByte();
        out.Put(static_cast<uint32_t>(len), 16);
        out.Put(static_cast<uint32_t>(~len & 0xFFFF), 16);
        out.PutBytes(input.data() + pos, len);
        pos += len;
    } while (pos < input.size());
}

void WriteBigEndian32(BitWriter& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.Put((value >> shift) & 0xFF, 8);
}

}  // namespace

std::vector<uint8_t> DeflateZlib(std::span<const uint8_t> input, int quality, DeflateScratch& scratch) {
    // Positions are 32-bit, like the upper bounds the writer passes around.
    if (input.size() > size_t{INT32_MAX}) throw std::length_error("Deflate input larger than 2 GB");
    const LevelRow& row = kLevelRows[static_cast<size_t>(std::clamp(quality, 0, 3))];
    const Lz77Result lz = FindMatches(input, row, scratch);
    const uint64_t extra = ExtraBits(lz);
    const DynamicHeader dynamic = BuildDynamicHeader(lz.litLenFreq, lz.distFreq);

    BlockType type = BlockType::kStored;
    uint64_t best = StoredCost(input.size());
    const uint64_t fixedBits = CodedBits(lz, FixedLitLen(), FixedDist()) + extra;
    if (CodedCost(fixedBits) < best) {
        type = BlockType::kFixed;
        best = CodedCost(fixedBits);
    }
    const uint64_t dynamicBits = dynamic.bits + CodedBits(lz, dynamic.litLen, dynamic.dist) + extra;
    if (CodedCost(dynamicBits) < best) type = BlockType::kDynamic;

    // The exact size is known, so the bits go straight into the final buffer.
    const uint64_t blockBytes = type == BlockType::kStored ? StoredCost(input.size())
                                : type == BlockType::kFixed ? (3 + fixedBits + 7) / 8
                                                            : (3 + dynamicBits + 7) / 8;
    std::vector<uint8_t> out(2 + blockBytes + 4);
    out[0] = 0x78;
    out[1] = 0x5E;
    BitWriter bits(out.data() + 2);
    switch (type) {
        case BlockType::kStored:
            WriteStored(bits, input);
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
    WriteBigEndian32(bits, Adler32(input));
    bits.AlignToByte();
    if (bits.BytesWritten() != blockBytes + 4) throw std::logic_error("Deflate block size miscounted");
    scratch.Trim();
    return out;
}

std::vector<uint8_t> DeflateZlib(std::span<const uint8_t> input, int quality) {
    DeflateScratch scratch;
    return DeflateZlib(input, quality, scratch);
}

}  // namespace folivo::codec
