#include "pdf/image/byte_source.hpp"

namespace folivo::image {

Error FormatError(const std::string& what) { return Error(kErrInvalidFileFormat, "Invalid file format: " + what); }

bool ByteSource::Has(uint64_t offset, uint64_t length) const {
    return offset <= data_.size() && length <= data_.size() - offset;
}

void ByteSource::Require(uint64_t offset, uint64_t length, const std::string& what) const {
    if (!Has(offset, length)) throw FormatError(what + " past the end of the file");
}

uint8_t ByteSource::U8(uint64_t offset) const {
    Require(offset, 1, "byte");
    return static_cast<uint8_t>(data_[offset]);
}

uint16_t ByteSource::U16LE(uint64_t offset) const {
    Require(offset, 2, "field");
    return static_cast<uint16_t>(static_cast<uint8_t>(data_[offset]) | static_cast<uint8_t>(data_[offset + 1]) << 8);
}

int16_t ByteSource::S16LE(uint64_t offset) const { return static_cast<int16_t>(U16LE(offset)); }

uint32_t ByteSource::U32LE(uint64_t offset) const {
    return static_cast<uint32_t>(U16LE(offset)) | static_cast<uint32_t>(U16LE(offset + 2)) << 16;
}

uint16_t ByteSource::U16BE(uint64_t offset) const {
    Require(offset, 2, "field");
    return static_cast<uint16_t>(static_cast<uint8_t>(data_[offset]) << 8 | static_cast<uint8_t>(data_[offset + 1]));
}

uint32_t ByteSource::U32BE(uint64_t offset) const {
    return static_cast<uint32_t>(U16BE(offset)) << 16 | U16BE(offset + 2);
}

std::string_view ByteSource::Bytes(uint64_t offset, uint64_t length) const {
    Require(offset, length, "data");
    return data_.substr(offset, length);
}

}  // namespace folivo::image
