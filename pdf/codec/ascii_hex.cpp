#include "pdf/codec/ascii_hex.hpp"

namespace folivo::codec {

std::vector<uint8_t> EncodeAsciiHex(std::span<const uint8_t> input) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::vector<uint8_t> out;
    out.reserve(input.size() * 2);
    for (uint8_t byte : input) {
        out.push_back(static_cast<uint8_t>(kDigits[byte >> 4]));
        out.push_back(static_cast<uint8_t>(kDigits[byte & 15]));
    }
    return out;
}

}  // namespace folivo::codec
