#include "pdf/codec/lzw.hpp"

#include <algorithm>
#include <array>

namespace folivo::codec {
namespace {

constexpr uint16_t kClear = 256;
constexpr uint16_t kEnd = 257;
constexpr uint16_t kFirstFree = 258;
constexpr uint16_t kTableLimit = 4096;

// Width of the code written while `next` is the next free code. The decoder's table lags one
// entry behind ours, so it widens when our next free code reaches 512, 1024 and 2048.
int WidthFor(uint32_t next) { return next < 512 ? 9 : next < 1024 ? 10 : next < 2048 ? 11 : 12; }

// Writes codes most significant bit first into an output sized once for the worst case, four
// bytes at a time. At most one code a byte is written, a clear code every 3,838 codes, and the
// first clear code, the last string and the end code.
class MsbBitWriter {
public:
    MsbBitWriter(std::vector<uint8_t>& out, size_t inputSize) : out_(out) {
        out_.resize((inputSize + inputSize / 1024 + 4) * 12 / 8 + 8);
        at_ = out_.data();
    }
    void Put(uint32_t code, int width) {
        acc_ = acc_ << width | code;
        used_ += width;
        if (used_ < 32) return;
        used_ -= 32;
        const auto word = static_cast<uint32_t>(acc_ >> used_);
        at_[0] = static_cast<uint8_t>(word >> 24);
        at_[1] = static_cast<uint8_t>(word >> 16);
        at_[2] = static_cast<uint8_t>(word >> 8);
        at_[3] = static_cast<uint8_t>(word);
        at_ += 4;
    }
    // Writes the bits left, the last byte padded with zeros, and trims the output to them.
    void Flush() {
        for (; used_ >= 8; used_ -= 8) *at_++ = static_cast<uint8_t>(acc_ >> (used_ - 8));
        if (used_ > 0) *at_++ = static_cast<uint8_t>(acc_ << (8 - used_));
        out_.resize(static_cast<size_t>(at_ - out_.data()));
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
    // Code of prefix + byte, or -1 when absent (then `slot` is where to add it).
    int Find(uint32_t prefix, uint8_t byte, uint32_t& slot) {
        const uint32_t last = last_[prefix];
        if (last >> 16 == byte) return static_cast<int>(last & 0xFFFF);
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
            uint32_t slot = 0;
            const int found = table.Find(current, input[i], slot);
            if (found >= 0) {
                current = static_cast<uint32_t>(found);
                continue;
            }
            bits.Put(current, WidthFor(table.Next()));
            table.Add(current, input[i], slot);
            if (table.Next() == kTableLimit) {
                bits.Put(kClear, 12);
                table.Clear();
            }
            current = input[i];
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
