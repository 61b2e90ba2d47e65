#pragma once
// Big-endian reads from a font file held in memory. Font files are untrusted input: every read is
// checked against the end of the data and a read past it raises folivo::Error.

#include <cstdint>
#include <string_view>

namespace folivo::truetype {

class ByteReader {
public:
    explicit ByteReader(std::string_view data) : data_(data) {}

    uint16_t U16(uint64_t offset) const;
    int16_t S16(uint64_t offset) const;
    uint32_t U32(uint64_t offset) const;
    // `length` bytes at `offset`.
    std::string_view Bytes(uint64_t offset, uint64_t length) const;
    // Throws unless `length` bytes at `offset` lie inside the data; `what` names them in the message.
    void Require(uint64_t offset, uint64_t length, std::string_view what) const;

    uint64_t size() const { return data_.size(); }

private:
    std::string_view data_;
};

}  // namespace folivo::truetype
