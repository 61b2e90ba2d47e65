#pragma once
// Inflate (RFC 1951) and its zlib wrapper (RFC 1950): the decoder for /FlateDecode streams read
// from other PDF files. Bad input gives an error text, never a crash; output is capped.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace folivo::codec {

struct InflateResult {
    std::vector<uint8_t> bytes;
    std::string error;  // empty when the stream decoded completely
    bool ok() const { return error.empty(); }
};

// Output beyond this many bytes is refused as a damaged or hostile stream.
inline constexpr size_t kInflateLimit = size_t{256} << 20;

InflateResult InflateRaw(std::span<const uint8_t> input, size_t limit = kInflateLimit);
// Checks the two header bytes and the Adler-32 trailer around the raw data.
InflateResult InflateZlib(std::span<const uint8_t> input, size_t limit = kInflateLimit);

}  // namespace folivo::codec
