#include "pdf/codec/ascii_hex.hpp"

namespace folivo::codec {

void AppendHexByte(std::string& out, uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 15];
}

std::string HexText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) AppendHexByte(out, static_cast<uint8_t>(c));
    return out;
}

std::vector<uint8_t> EncodeAsciiHex(std::span<const uint8_t> input) {
    const std::string text = HexText({reinterpret_cast<const char*>(input.data()), input.size()});
    return {text.begin(), text.end()};
}


Decoded DecodeAsciiHex(std::span<const uint8_t> input) {
    Decoded result;
    int high = -1;
    for (const uint8_t c : input) {
        if (c == '>') break;
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == 0) continue;
            return {{}, "bad ASCIIHex character"};
        }
        if (high < 0) {
            high = digit;
        } else {
            result.bytes.push_back(static_cast<uint8_t>(high << 4 | digit));
            high = -1;
        }
    }
    if (high >= 0) result.bytes.push_back(static_cast<uint8_t>(high << 4));
    return result;
}

}  // namespace folivo::codec
