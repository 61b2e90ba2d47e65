#pragma once
// RC4 stream cipher; enciphering and deciphering are the same operation.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace folivo::security {

// Enciphers the bytes in place under the key (1..256 bytes), from a fresh key schedule.
void Rc4(std::span<uint8_t> data, std::string_view key);

// The same for a byte string held as text, returning the result.
std::string Rc4(std::string data, std::string_view key);

}  // namespace folivo::security
