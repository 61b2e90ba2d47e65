#pragma once
// Upper-case hexadecimal text, two digits per byte: the ASCIIHexDecode form (no end marker), the
// file identifier and the escapes of name tokens.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/codec/decoded.hpp"

namespace folivo::codec {

void AppendHexByte(std::string& out, uint8_t byte);

std::string HexText(std::string_view bytes);

std::vector<uint8_t> EncodeAsciiHex(std::span<const uint8_t> input);

// Decodes up to ">" (or the end), blanks skipped; an odd last digit counts as followed by 0.
Decoded DecodeAsciiHex(std::span<const uint8_t> input);

}  // namespace folivo::codec
