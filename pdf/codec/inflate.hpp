#pragma once
// Inflate (RFC 1951) and its zlib wrapper (RFC 1950): the decoder for /FlateDecode streams read
// from other PDF files. Bad input gives an error text, never a crash; output is capped.

#include <span>

#include "pdf/codec/decoded.hpp"

namespace folivo::codec {

using InflateResult = Decoded;
inline constexpr size_t kInflateLimit = kDecodeLimit;

InflateResult InflateRaw(std::span<const uint8_t> input, size_t limit = kInflateLimit);
// Checks the two header bytes and the Adler-32 trailer around the raw data.
InflateResult InflateZlib(std::span<const uint8_t> input, size_t limit = kInflateLimit);

}  // namespace folivo::codec
