#pragma once
// Packs bit fields least significant bit first into bytes, as Deflate requires.

#include <cstdint>
#include <vector>

namespace folivo::codec {

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

    // Appends the low `count` bits of `bits` (count <= 32).
    void Put(uint32_t bits, int count) {
        acc_ |= uint64_t{bits} << used_;
        used_ += count;
        while (used_ >= 8) {
            out_.push_back(static_cast<uint8_t>(acc_));
            acc_ >>= 8;
            used_ -= 8;
        }
    }

    // Pads with zero bits to the next byte boundary.
    void AlignToByte() {
        if (used_ > 0) Put(0, 8 - used_);
    }

private:
    std::vector<uint8_t>& out_;
    uint64_t acc_ = 0;
    int used_ = 0;
};

}  // namespace folivo::codec
