// A /FlateDecode stream of a PDF file to import: zlib-wrapped and raw.

#include <span>

#include "pdf/codec/inflate.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kLimit = size_t{64} << 20;
    folivo::codec::InflateZlib(std::span<const uint8_t>(data, size), kLimit);
    folivo::codec::InflateRaw(std::span<const uint8_t>(data, size), kLimit);
    return 0;
}
