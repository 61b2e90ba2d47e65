#pragma once
// ASCII85Decode form: five characters per four bytes, no "z" abbreviation, ended by "~>".

#include <cstdint>
#include <span>
#include <vector>

#include "pdf/codec/decoded.hpp"

namespace folivo::codec {

std::vector<uint8_t> EncodeAscii85(std::span<const uint8_t> input);

// Decodes up to "~>" (or the end), blanks skipped, "z" as four zero bytes.
Decoded DecodeAscii85(std::span<const uint8_t> input, size_t limit = kDecodeLimit);

}  // namespace folivo::codec
