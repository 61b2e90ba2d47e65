#include "pdf/codec/lzw.hpp"

#include <algorithm>

namespace folivo::codec {
namespace {

constexpr uint16_t kClear = 256;
constexpr uint16_t kEnd = 257;
constexpr uint16_t kFirstFree = 258;
constexpr uint16_t kTableLimit = 4096;

// Width of the code written while `next` is the next free code. The decoder's table lags one
// entry behind ours, so it widens when our next free code reaches 512, 1024 and 2048.
int WidthFor(uint32_t next) { return next < 512 ? 9 : next < 1024 ? 10 : next < 2048 ? 11 : 12; }

class MsbBitWriter {
public:
    explicit MsbBitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Put(uint32_t code, int width) {
        acc_ = acc_ << width | code;
        used_ += width;
        while (used_ >= 8) {
            used_ -= 8;
            out_.push_back(static_cast<uint8_t>(acc_ >> used_));
        }
        acc_ &= (uint32_t{1} << used_) - 1;
    }
    void Flush() {
        if (used_ > 0) out_.push_back(static_cast<uint8_t>(acc_ << (8 - used_)));
        used_ = 0;
        acc_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint32_t acc_ = 0;
    int used_ = 0;
};

// String table: (prefix code, next byte) -> code, open addressing, cheap to clear.
class StringTable {
public:
    StringTable() : keys_(kSlots, kEmpty), codes_(kSlots, 0) {}
    void Clear() {
        std::fill(keys_.begin(), keys_.end(), kEmpty);
        next_ = kFirstFree;
    }
    uint32_t Next() const { return next_; }
    // Code of prefix + byte, or -1 when absent (then `slot` is where to add it).
    int Find(uint16_t prefix, uint8_t byte, uint32_t& slot) const {
        const uint32_t key = uint32_t{prefix} << 8 | byte;
        slot = (key * 2654435761u) >> (32 - kSlotBits);
        while (keys_[slot] != kEmpty) {
            if (keys_[slot] == key) return codes_[slot];
            slot = (slot + 1) & (kSlots - 1);
        }
        return -1;
    }
    void Add(uint16_t prefix, uint8_t byte, uint32_t slot) {
        keys_[slot] = uint32_t{prefix} << 8 | byte;
        codes_[slot] = static_cast<uint16_t>(next_++);
    }

private:
    static constexpr int kSlotBits = 13;
    static constexpr uint32_t kSlots = 1u << kSlotBits;
    static constexpr uint32_t kEmpty = 0xFFFFFFFF;
    std::vector<uint32_t> keys_;
    std::vector<uint16_t> codes_;
    uint32_t next_ = kFirstFree;
};

}  // namespace

std::vector<uint8_t> EncodeLzw(std::span<const uint8_t> input) {
    std::vector<uint8_t> out;
    out.reserve(input.size() / 2 + 16);
    MsbBitWriter bits(out);
    StringTable table;
    bits.Put(kClear, 9);
    if (!input.empty()) {
        uint16_t current = input[0];
        for (size_t i = 1; i < input.size(); ++i) {
            uint32_t slot = 0;
            const int found = table.Find(current, input[i], slot);
            if (found >= 0) {
                current = static_cast<uint16_t>(found);
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

}  // namespace folivo::codec
