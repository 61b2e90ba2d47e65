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

}  // namespace folivo::codec
