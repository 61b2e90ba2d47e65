#pragma once
// ASCII85Decode form: five characters per four bytes, no "z" abbreviation, ended by "~>".

#include <cstdint>
#include <span>
#include <vector>

namespace folivo::codec {

std::vector<uint8_t> EncodeAscii85(std::span<const uint8_t> input);

}  // namespace folivo::codec
