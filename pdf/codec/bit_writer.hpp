#pragma once
// Packs bit fields least significant bit first into a buffer sized beforehand, as Deflate requires.
// Its bytes are stored through a byte pointer, which the compiler must assume can reach the writer
// itself: a hot loop works on a local copy (whose address never escapes) and hands it back after.

#include <cstdint>
#include <cstring>

#include "pdf/codec/byte_order.hpp"

namespace folivo::codec {

class BitWriter {
public:
    explicit BitWriter(uint8_t* out) : out_(out) {}

    // Appends the low `count` bits of `bits` (count <= 32); four whole bytes are stored at a time.
    void Put(uint32_t bits, int count) {
        acc_ |= uint64_t{bits} << used_;
        used_ += count;
        if (used_ >= 32) {
            StoreLittleEndian32(out_ + written_, static_cast<uint32_t>(acc_));
            written_ += 4;
            acc_ >>= 32;
            used_ -= 32;
        }
    }

    // Pads with zero bits to the next byte boundary and stores every pending byte.
    void AlignToByte() {
        for (; used_ > 0; used_ -= 8) {
            out_[written_++] = static_cast<uint8_t>(acc_);
            acc_ >>= 8;
        }
        used_ = 0;
    }

    // Copies raw bytes; only at a byte boundary.
    void PutBytes(const uint8_t* bytes, size_t count) {
        std::memcpy(out_ + written_, bytes, count);
        written_ += count;
    }

    size_t BytesWritten() const { return written_; }

private:
    uint8_t* out_;
    size_t written_ = 0;
    uint64_t acc_ = 0;
    int used_ = 0;
};

}  // namespace folivo::codec
