#pragma once
// What a decoder of untrusted stream data gives: the bytes, or what was wrong with the data.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace folivo::codec {

struct Decoded {
    std::vector<uint8_t> bytes;
    std::string error;  // empty when the data decoded completely
    bool ok() const { return error.empty(); }
};

// Output beyond this many bytes is refused as a damaged or hostile stream.
inline constexpr size_t kDecodeLimit = size_t{256} << 20;

}  // namespace folivo::codec
