#include "pdf/truetype/byte_reader.hpp"

#include <string>

#include "pdf/error.hpp"

namespace folivo::truetype {

void ByteReader::Require(uint64_t offset, uint64_t length, std::string_view what) const {
    // Written so that neither sum can wrap: offset and length come from the file.
    if (offset > data_.size() || length > data_.size() - offset) {
        throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: " + std::string(what) + " at byte " +
                                         std::to_string(offset) + " ends past the end of the file (" +
                                         std::to_string(data_.size()) + " bytes)");
    }
}

uint16_t ByteReader::U16(uint64_t offset) const {
    Require(offset, 2, "a 16-bit value");
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + offset);
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

int16_t ByteReader::S16(uint64_t offset) const { return static_cast<int16_t>(U16(offset)); }

uint32_t ByteReader::U32(uint64_t offset) const {
    return (static_cast<uint32_t>(U16(offset)) << 16) | U16(offset + 2);
}

std::string_view ByteReader::Bytes(uint64_t offset, uint64_t length) const {
    Require(offset, length, "a string");
    return data_.substr(offset, length);
}

}  // namespace folivo::truetype
