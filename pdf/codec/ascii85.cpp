#include "pdf/codec/ascii85.hpp"

#include <algorithm>

namespace folivo::codec {

std::vector<uint8_t> EncodeAscii85(std::span<const uint8_t> input) {
    std::vector<uint8_t> out;
    out.reserve(input.size() / 4 * 5 + 7);
    for (size_t pos = 0; pos < input.size(); pos += 4) {
        const size_t k = std::min<size_t>(4, input.size() - pos);
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i) value = value << 8 | (i < k ? input[pos + i] : 0);
        uint8_t digits[5];
        for (int d = 4; d >= 0; --d) {
            digits[d] = static_cast<uint8_t>(value % 85 + 33);
            value /= 85;
        }
        out.insert(out.end(), digits, digits + k + 1);  // a short last group keeps k + 1 digits
    }
    out.push_back('~');
    out.push_back('>');
    return out;
}

}  // namespace folivo::codec
