#include "pdf/codec/lzw.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace folivo::codec {
namespace {

constexpr uint16_t kClear = 256;
constexpr uint16_t kEnd = 257;
constexpr uint16_t kFirstFree = 258;
constexpr uint16_t kTableLimit = 4096;

// Width of the code written while `next` is the next free code. The decoder's table lags one
// entry behind ours, so it widens when our next free code reaches 512, 1024 and 2048.
int WidthFor(uint32_t next) { return std::clamp(static_cast<int>(std::bit_width(next)), 9, 12); }

// Stores a word's eight bytes, its most significant first, in one store.
void StoreMostSignificantFirst(uint8_t* at, uint64_t word) {
    if constexpr (std::endian::native == std::endian::little) {
        word = (word & 0x00000000FFFFFFFFull) << 32 | (word & 0xFFFFFFFF00000000ull) >> 32;
        word = (word & 0x0000FFFF0000FFFFull) << 16 | (word & 0xFFFF0000FFFF0000ull) >> 16;
        word = (word & 0x00FF00FF00FF00FFull) << 8 | (word & 0xFF00FF00FF00FF00ull) >> 8;
    }
    std::memcpy(at, &word, sizeof word);
}

// Writes codes most significant bit first into an output sized once for the worst case. Each code
// stores the eight bytes that hold the bits not yet complete and moves on by the whole bytes among
// them, so that no branch depends on where a byte ends. At most one code a byte is written, a clear
// code every 3,838 codes, and the first clear code, the last string and the end code; the last
// store reaches seven bytes past the end.
class MsbBitWriter {
public:
    MsbBitWriter(std::vector<uint8_t>& out, size_t inputSize) : out_(out) {
        out_.resize((inputSize + inputSize / 1024 + 4) * 12 / 8 + 16);
        at_ = out_.data();
    }
    void Put(uint32_t code, int width) {
        acc_ = acc_ << width | code;
        used_ += width;  // 9 to 19: the bits of the byte under way and of this code
        const uint64_t top = acc_ << (64 - used_);
        StoreMostSignificantFirst(at_, top);
        at_ += used_ >> 3;
        used_ &= 7;
    }
    // Trims the output to the bytes written; the last one was stored padded with zeros.
    void Flush() {
        const size_t size = static_cast<size_t>(at_ - out_.data()) + (used_ > 0 ? 1 : 0);
        if (used_ > 0) *at_ = static_cast<uint8_t>(acc_ << (8 - used_));
        out_.resize(size);
    }

private:
    std::vector<uint8_t>& out_;
    uint8_t* at_ = nullptr;
    uint64_t acc_ = 0;
    int used_ = 0;
};

// String table: (prefix code, next byte) -> code. Each code remembers the last child found or
// added under it, read directly by code; the other children are found in an open-addressing hash
// whose slots pack key and code in one word (0: empty).
class StringTable {
public:
    StringTable() { Clear(); }
    void Clear() {
        slots_.fill(0);
        std::fill(last_.begin(), last_.begin() + kFirstFree, kNoChild);
        next_ = kFirstFree;
    }
    uint32_t Next() const { return next_; }
    // Code of prefix + byte when it is the child last found or added under prefix, else -1.
    int Remembered(uint32_t prefix, uint8_t byte) const {
        const uint32_t last = last_[prefix];
        return last >> 16 == byte ? static_cast<int>(last & 0xFFFF) : -1;
    }
    // Code of prefix + byte from the hash, or -1 when absent (then `slot` is where to add it).
    int Find(uint32_t prefix, uint8_t byte, uint32_t& slot) {
        const uint32_t key = prefix << 8 | byte;
        slot = (key * 2654435761u) >> (32 - kSlotBits);
        for (uint32_t entry; (entry = slots_[slot]) != 0; slot = (slot + 1) & (kSlots - 1)) {
            if (entry >> 12 == key) {
                last_[prefix] = uint32_t{byte} << 16 | (entry & 0xFFF);
                return static_cast<int>(entry & 0xFFF);
            }
        }
        return -1;
    }
    void Add(uint32_t prefix, uint8_t byte, uint32_t slot) {
        const uint32_t code = next_++;
        slots_[slot] = (prefix << 8 | byte) << 12 | code;
        last_[code] = kNoChild;
        last_[prefix] = uint32_t{byte} << 16 | code;
    }

private:
    static constexpr int kSlotBits = 13;
    static constexpr uint32_t kSlots = 1u << kSlotBits;
    static constexpr uint32_t kNoChild = 0xFFFFFFFF;  // no byte matches its top half
    std::array<uint32_t, kSlots> slots_;
    std::array<uint32_t, kTableLimit> last_;  // byte << 16 | child code
    uint32_t next_ = kFirstFree;
};

}  // namespace

std::vector<uint8_t> EncodeLzw(std::span<const uint8_t> input) {
    std::vector<uint8_t> out;
    MsbBitWriter bits(out, input.size());
    StringTable table;
    bits.Put(kClear, 9);
    if (!input.empty()) {
        uint32_t current = input[0];
        for (size_t i = 1; i < input.size(); ++i) {
            const uint8_t byte = input[i];
            // Most steps follow the remembered child: kept as the straight path of the loop.
            const int remembered = table.Remembered(current, byte);
            if (remembered >= 0) [[likely]] {
                current = static_cast<uint32_t>(remembered);
                continue;
            }
            uint32_t slot = 0;
            const int found = table.Find(current, byte, slot);
            if (found >= 0) {
                current = static_cast<uint32_t>(found);
                continue;
            }
            bits.Put(current, WidthFor(table.Next()));
            table.Add(current, byte, slot);
            if (table.Next() == kTableLimit) {
                bits.Put(kClear, 12);
                table.Clear();
            }
            current = byte;
        }
        bits.Put(current, WidthFor(table.Next()));
        bits.Put(kEnd, WidthFor(table.Next() + 1));
    } else {
        bits.Put(kEnd, 9);
    }
    bits.Flush();
    return out;
}


namespace {

// The decoder's string table: each entry is an earlier entry plus one byte.
class LzwStrings {
public:
    LzwStrings() {
        for (uint16_t i = 0; i < 256; ++i) {
            last_[i] = first_[i] = static_cast<uint8_t>(i);
            length_[i] = 1;
        }
    }
    void Reset() { next_ = kFirstFree; }
    uint32_t Next() const { return next_; }
    uint8_t First(uint16_t code) const { return first_[code]; }
    void Add(uint16_t previous, uint8_t byte) {
        if (next_ >= kTableLimit) return;
        prefix_[next_] = previous;
        last_[next_] = byte;
        first_[next_] = first_[previous];
        length_[next_] = static_cast<uint16_t>(length_[previous] + 1);
        ++next_;
    }
    // Appends the string of `code`, written from its end back along the prefixes.
    bool Append(uint16_t code, std::vector<uint8_t>& out, size_t limit) const {
        const size_t start = out.size();
        if (length_[code] > limit - start) return false;
        out.resize(start + length_[code]);
        for (size_t i = length_[code]; i-- > 0; code = prefix_[code]) out[start + i] = last_[code];
        return true;
    }

private:
    std::array<uint16_t, kTableLimit> prefix_{};
    std::array<uint16_t, kTableLimit> length_{};
    std::array<uint8_t, kTableLimit> last_{};
    std::array<uint8_t, kTableLimit> first_{};
    uint32_t next_ = kFirstFree;
};

}  // namespace

Decoded DecodeLzw(std::span<const uint8_t> input, bool earlyChange, size_t limit) {
    Decoded result;
    LzwStrings table;
    int previous = -1;
    uint64_t bits = 0;
    int held = 0;
    size_t pos = 0;
    for (;;) {
        const int width = WidthFor(table.Next() + (earlyChange ? 1 : 0));
        while (held < width && pos < input.size()) {
            bits = bits << 8 | input[pos++];
            held += 8;
        }
        if (held < width) break;  // the data ends without the end code
        held -= width;
        const auto code = static_cast<uint16_t>((bits >> held) & ((1u << width) - 1));
        if (code == kClear) {
            table.Reset();
            previous = -1;
            continue;
        }
        if (code == kEnd) break;
        if (code > table.Next() || (code == table.Next() && previous < 0) || (previous < 0 && code > 255))
            return {{}, "bad LZW code"};
        if (previous >= 0) {
            const uint16_t prior = static_cast<uint16_t>(previous);
            table.Add(prior, code < table.Next() ? table.First(code) : table.First(prior));
        }
        if (!table.Append(code, result.bytes, limit)) return {{}, "LZW data too large"};
        previous = code;
    }
    return result;
}

}  // namespace folivo::codec
