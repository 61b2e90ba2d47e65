#pragma once
// The encoders a stream goes through on its way into the file, chosen by the compression mode.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "pdf/codec/deflate.hpp"

namespace folivo::codec {

// Bits of the compression mode.
enum CompressionBit : int32_t {
    kRunLength = 1,
    kFlate = 2,
    kLzw = 4,
    kAscii85 = 8,
    kAsciiHex = 16,
};
inline constexpr int32_t kKnownCompressionBits = kRunLength | kFlate | kLzw | kAscii85 | kAsciiHex;

struct CompressionSettings {
    int32_t mode = 0;
    uint8_t quality = 0;  // 0..3
};

// Encodes data: run-length, Flate, LZW (only when `filters` is empty, i.e. the data is
// not already in a format of its own), then base-85 and hexadecimal. Each filter's name goes in
// front of `filters`, so the list ends up in decoding order ("/FlateDecode /RunLengthDecode ").
// `scratch` holds Deflate's tables between streams.
std::vector<uint8_t> ApplyStreamFilters(std::span<const uint8_t> data, const CompressionSettings& settings,
                                        std::string& filters, DeflateScratch& scratch);

}  // namespace folivo::codec
