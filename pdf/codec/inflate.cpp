#include "pdf/codec/inflate.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "pdf/codec/adler32.hpp"
#include "pdf/codec/byte_order.hpp"

namespace folivo::codec {
namespace {

constexpr std::array<uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,
                                                  15, 17, 19, 23, 27, 31, 35, 43, 51,  59,
                                                  67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                  2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> kDistBase = {1,    2,    3,    4,    5,    7,     9,    13,
                                                17,   25,   33,   49,   65,   97,    129,  193,
                                                257,  385,  513,  769,  1025, 1537,  2049, 3073,
                                                4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> kDistExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::array<uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                      11, 4,  12, 3, 13, 2, 14, 1, 15};

struct DecodeError {
    const char* what;
};

// Bits are taken least significant first through a 64-bit buffer; reading past the end is an error.
// Bits above the count held are either zero or the next input bits, so a look-up may peek at them.
class BitReader {
public:
    explicit BitReader(std::span<const uint8_t> data) : data_(data) {}
    // Tops the buffer up to at least 56 bits while the input lasts: one eight-byte load when eight
    // bytes remain, byte by byte near the end.
    void Fill() {
        if (held_ >= 56) return;
        if (pos_ + 8 <= data_.size()) {
            buffer_ |= LoadLittleEndian64(data_.data() + pos_) << held_;
            const int taken = (63 - held_) / 8;
            pos_ += static_cast<size_t>(taken);
            held_ += taken * 8;
            return;
        }
        while (held_ <= 56 && pos_ < data_.size()) {
            buffer_ |= uint64_t{data_[pos_++]} << held_;
            held_ += 8;
        }
    }
    uint32_t Peek(int count) const { return static_cast<uint32_t>(buffer_ & ((uint64_t{1} << count) - 1)); }
    int Held() const { return held_; }
    void Drop(int count) {
        buffer_ >>= count;
        held_ -= count;
    }
    // Takes up to 32 bits.
    uint32_t Bits(int count) {
        if (held_ < count) {
            Fill();
            if (held_ < count) throw DecodeError{"Flate data ends early"};
        }
        const uint32_t value = Peek(count);
        Drop(count);
        return value;
    }
    uint8_t Bit() { return static_cast<uint8_t>(Bits(1)); }
    void AlignToByte() { Drop(held_ % 8); }
    // Copies `count` bytes from a byte boundary: those still in the buffer, then straight from the input.
    void TakeBytes(uint8_t* to, size_t count) {
        for (; count > 0 && held_ >= 8; --count) {
            *to++ = static_cast<uint8_t>(buffer_);
            Drop(8);
        }
        if (count == 0) return;
        if (count > data_.size() - pos_) throw DecodeError{"Flate data ends early"};
        std::memcpy(to, data_.data() + pos_, count);
        pos_ += count;
        buffer_ = 0;  // the bits peeked beyond those held were the bytes just copied
    }
    // Bytes consumed so far, once aligned to a byte.
    size_t Position() const { return pos_ - static_cast<size_t>(held_ / 8); }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    uint64_t buffer_ = 0;
    int held_ = 0;
};

// Canonical Huffman decoding table: symbol counts per length and symbols in code order.
class Huffman {
public:
    Huffman(const uint8_t* lengths, int count) {
        for (int s = 0; s < count; ++s) ++counts_[lengths[s]];
        counts_[0] = 0;
        std::array<uint16_t, 16> offsets{};
        int left = 1;
        for (int len = 1; len < 16; ++len) {
            left = (left << 1) - counts_[len];
            if (left < 0) throw DecodeError{"Flate code lengths over-subscribed"};
            if (len > 1) offsets[len] = static_cast<uint16_t>(offsets[len - 1] + counts_[len - 1]);
        }
        for (int s = 0; s < count; ++s)
            if (lengths[s] != 0) symbols_[offsets[lengths[s]]++] = static_cast<uint16_t>(s);
        FillFastTable(lengths, count);
    }
    int Decode(BitReader& in) const {
        in.Fill();
        const uint16_t entry = fast_[in.Peek(kFastBits)];
        if (entry != 0 && (entry & 15) <= in.Held()) {
            in.Drop(entry & 15);
            return entry >> 4;
        }
        return DecodeSlowly(in);
    }

private:
    static constexpr int kFastBits = 10;

    // Codes of up to kFastBits bits decode with one look-up, indexed by the bits as they arrive
    // (the code reversed); an entry holds symbol << 4 | length, 0 when empty.
    void FillFastTable(const uint8_t* lengths, int count) {
        std::array<uint32_t, 16> next{};
        uint32_t code = 0;
        for (int len = 1; len < 16; ++len) {
            code = (code + (len > 1 ? counts_[len - 1] : 0u)) << 1;
            next[len] = code;
        }
        for (int s = 0; s < count; ++s) {
            const int len = lengths[s];
            if (len == 0) continue;
            const uint32_t c = next[len]++;
            if (len > kFastBits) continue;
            uint32_t reversed = 0;
            for (int b = 0; b < len; ++b) reversed |= ((c >> b) & 1u) << (len - 1 - b);
            for (uint32_t k = reversed; k < fast_.size(); k += 1u << len)
                fast_[k] = static_cast<uint16_t>((s << 4) | len);
        }
    }
    int DecodeSlowly(BitReader& in) const {
        int code = 0, first = 0, index = 0;
        for (int len = 1; len < 16; ++len) {
            code |= in.Bit();
            int count = counts_[len];
            if (code - first < count) return symbols_[index + code - first];
            index += count;
            first = (first + count) << 1;
            code <<= 1;
        }
        throw DecodeError{"invalid Flate code"};
    }

    std::array<uint16_t, 1 << kFastBits> fast_{};
    std::array<uint16_t, 16> counts_{};
    std::array<uint16_t, 288> symbols_{};
};

// The output is written into a buffer kept a few bytes longer than what is written, so matches
// copy sixteen bytes a step; the buffer doubles as it fills, never beyond the limit and that slack.
class Inflater {
public:
    Inflater(std::span<const uint8_t> input, size_t limit) : in_(input), limit_(limit) {
        out_.resize(std::min(limit, input.size() * 8) + kSlack);  // page content packs about eight to one
        writable_ = out_.size() - kSlack;
    }

    std::vector<uint8_t> Run() {
        bool last = false;
        while (!last) {
            last = in_.Bit() != 0;
            switch (in_.Bits(2)) {
                case 0: Stored(); break;
                case 1: Fixed(); break;
                case 2: Dynamic(); break;
                default: throw DecodeError{"invalid Flate block type"};
            }
        }
        out_.resize(size_);
        return std::move(out_);
    }
    size_t Consumed() { in_.AlignToByte(); return in_.Position(); }

private:
    static constexpr size_t kSlack = 16;

    // Makes room for `count` more bytes, refusing output beyond the limit.
    uint8_t* Room(size_t count) {
        if (count > writable_ - size_) Grow(count);
        return out_.data() + size_;
    }
    void Grow(size_t count) {
        if (count > limit_ - size_) throw DecodeError{"Flate output too large"};
        out_.resize(std::min(std::max(out_.size() * 2, size_ + count + kSlack), limit_ + kSlack));
        writable_ = std::min(out_.size() - kSlack, limit_);
    }
    // Writes `len` bytes from `distance` back. A distance shorter than the length repeats what the
    // copy itself writes: from sixteen (or eight) back on, steps of that size read only bytes already
    // written, and may write up to 15 bytes past the end, into the slack.
    static void CopyMatch(uint8_t* to, size_t distance, size_t len) {
        const uint8_t* from = to - distance;
        if (distance >= 16) {
            for (size_t i = 0; i < len; i += 16) std::memcpy(to + i, from + i, 16);
        } else if (distance >= 8) {
            for (size_t i = 0; i < len; i += 8) std::memcpy(to + i, from + i, 8);
        } else if (distance == 1) {
            std::memset(to, *from, len);
        } else {
            for (size_t i = 0; i < len; ++i) to[i] = from[i];
        }
    }
    void Stored() {
        in_.AlignToByte();
        const uint32_t len = in_.Bits(16);
        const uint32_t nlen = in_.Bits(16);
        if ((len ^ 0xFFFFu) != nlen) throw DecodeError{"stored block length check failed"};
        in_.TakeBytes(Room(len), len);
        size_ += len;
    }
    void Fixed() {
        std::array<uint8_t, 288> lit{};
        for (int s = 0; s < 288; ++s) lit[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
        std::array<uint8_t, 30> dist{};
        dist.fill(5);
        Codes(Huffman(lit.data(), 288), Huffman(dist.data(), 30));
    }
    void Dynamic() {
        int nlit = static_cast<int>(in_.Bits(5)) + 257;
        int ndist = static_cast<int>(in_.Bits(5)) + 1;
        int ncode = static_cast<int>(in_.Bits(4)) + 4;
        if (nlit > 286 || ndist > 30) throw DecodeError{"bad Flate table sizes"};
        std::array<uint8_t, 19> clen{};
        for (int i = 0; i < ncode; ++i) clen[kCodeLengthOrder[i]] = static_cast<uint8_t>(in_.Bits(3));
        Huffman code_lengths(clen.data(), 19);
        std::array<uint8_t, 316> lengths{};
        int n = 0;
        while (n < nlit + ndist) {
            int sym = code_lengths.Decode(in_);
            if (sym < 16) {
                lengths[n++] = static_cast<uint8_t>(sym);
                continue;
            }
            uint8_t value = 0;
            int repeat = 0;
            if (sym == 16) {
                if (n == 0) throw DecodeError{"Flate length repeat without a previous length"};
                value = lengths[n - 1];
                repeat = 3 + static_cast<int>(in_.Bits(2));
            } else {
                repeat = sym == 17 ? 3 + static_cast<int>(in_.Bits(3)) : 11 + static_cast<int>(in_.Bits(7));
            }
            if (n + repeat > nlit + ndist) throw DecodeError{"Flate code lengths overrun"};
            while (repeat-- > 0) lengths[n++] = value;
        }
        if (lengths[256] == 0) throw DecodeError{"Flate block without an end code"};
        Codes(Huffman(lengths.data(), nlit), Huffman(lengths.data() + nlit, ndist));
    }
    // The bit reader and the write position live in locals for the loop: an output byte store could
    // alias the members and force them to be reloaded after every byte.
    void Codes(const Huffman& lit, const Huffman& dist) {
        BitReader in = in_;
        uint8_t* out = out_.data();
        size_t size = size_;
        size_t writable = writable_;
        const auto room = [&](size_t count) {
            if (count <= writable - size) return;
            size_ = size;
            Grow(count);
            out = out_.data();
            writable = writable_;
        };
        for (;;) {
            const int sym = lit.Decode(in);
            if (sym < 256) {
                room(1);
                out[size++] = static_cast<uint8_t>(sym);
                continue;
            }
            if (sym == 256) break;
            const int code = sym - 257;
            if (code >= 29) throw DecodeError{"invalid Flate length code"};
            const size_t len = kLengthBase[code] + in.Bits(kLengthExtra[code]);
            const int dsym = dist.Decode(in);
            if (dsym >= 30) throw DecodeError{"invalid Flate distance code"};
            const size_t distance = kDistBase[dsym] + in.Bits(kDistExtra[dsym]);
            if (distance > size) throw DecodeError{"Flate distance before the start"};
            room(len);
            CopyMatch(out + size, distance, len);
            size += len;
        }
        in_ = in;
        size_ = size;
    }

    BitReader in_;
    size_t limit_;
    std::vector<uint8_t> out_;
    size_t size_ = 0;      // bytes written
    size_t writable_ = 0;  // bytes out_ can take before its slack, never beyond the limit
};

}  // namespace

InflateResult InflateRaw(std::span<const uint8_t> input, size_t limit) {
    InflateResult result;
    try {
        result.bytes = Inflater(input, limit).Run();
    } catch (const DecodeError& e) {
        result.error = e.what;
    }
    return result;
}

InflateResult InflateZlib(std::span<const uint8_t> input, size_t limit) {
    InflateResult result;
    if (input.size() < 2 || (input[0] & 0x0F) != 8 || ((input[0] << 8) | input[1]) % 31 != 0) {
        result.error = "not a zlib stream";
        return result;
    }
    if (input[1] & 0x20) {
        result.error = "zlib preset dictionary not supported";
        return result;
    }
    try {
        Inflater inflater(input.subspan(2), limit);
        result.bytes = inflater.Run();
        size_t end = 2 + inflater.Consumed();
        if (end + 4 <= input.size()) {
            uint32_t stored = (uint32_t{input[end]} << 24) | (uint32_t{input[end + 1]} << 16) |
                              (uint32_t{input[end + 2]} << 8) | input[end + 3];
            if (stored != Adler32(result.bytes)) result.error = "zlib checksum mismatch";
        }
    } catch (const DecodeError& e) {
        result.error = e.what;
    }
    return result;
}

}  // namespace folivo::codec
