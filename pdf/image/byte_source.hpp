#pragma once
// Little- and big-endian reads from an image file held in memory. Image files are untrusted input:
// every read is checked against the end of the data, and a read past it raises folivo::Error with
// the invalid-format number.

#include <cstdint>
#include <string>
#include <string_view>

#include "pdf/error.hpp"

namespace folivo::image {

// The error for a malformed file; `what` says which part of it is wrong.
Error FormatError(const std::string& what);

class ByteSource {
public:
    explicit ByteSource(std::string_view data) : data_(data) {}

    uint8_t U8(uint64_t offset) const;
    uint16_t U16LE(uint64_t offset) const;
    int16_t S16LE(uint64_t offset) const;
    uint32_t U32LE(uint64_t offset) const;
    uint16_t U16BE(uint64_t offset) const;
    uint32_t U32BE(uint64_t offset) const;
    std::string_view Bytes(uint64_t offset, uint64_t length) const;
    bool Has(uint64_t offset, uint64_t length) const;
    // Throws unless `length` bytes at `offset` lie inside the data; `what` names them.
    void Require(uint64_t offset, uint64_t length, const std::string& what) const;

    uint64_t size() const { return data_.size(); }

private:
    std::string_view data_;
};

}  // namespace folivo::image
