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


namespace {

bool IsWhite(uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == 0; }

// The bytes of a group of `count` digits (2 to 5), padded with the highest digit.
bool PutGroup(const uint8_t* digits, size_t count, std::vector<uint8_t>& out) {
    uint64_t value = 0;
    for (size_t i = 0; i < 5; ++i) value = value * 85 + (i < count ? digits[i] - 33u : 84u);
    if (value > 0xFFFFFFFFu) return false;
    for (size_t i = 0; i + 1 < count; ++i) out.push_back(static_cast<uint8_t>(value >> (24 - 8 * i)));
    return true;
}

}  // namespace

Decoded DecodeAscii85(std::span<const uint8_t> input, size_t limit) {
    Decoded result;
    uint8_t group[5];
    size_t held = 0;
    for (size_t pos = 0; pos < input.size(); ++pos) {
        const uint8_t c = input[pos];
        if (IsWhite(c)) continue;
        if (c == '~') break;
        if (result.bytes.size() + 4 > limit) return {{}, "ASCII85 data too large"};
        if (c == 'z' && held == 0) {
            result.bytes.insert(result.bytes.end(), 4, 0);
            continue;
        }
        if (c < '!' || c > 'u') return {{}, "bad ASCII85 character"};
        group[held++] = c;
        if (held == 5) {
            if (!PutGroup(group, 5, result.bytes)) return {{}, "ASCII85 group out of range"};
            held = 0;
        }
    }
    if (held == 1) return {{}, "ASCII85 data ends in a single digit"};
    if (held > 1 && !PutGroup(group, held, result.bytes)) return {{}, "ASCII85 group out of range"};
    return result;
}

}  // namespace folivo::codec
