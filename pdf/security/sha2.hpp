#pragma once
// SHA-256, SHA-384 and SHA-512 (FIPS 180-4) over byte strings, for the AES-256 password hashing.

#include <string>
#include <string_view>

namespace folivo::security {

std::string Sha256(std::string_view data);  // 32 bytes
std::string Sha384(std::string_view data);  // 48 bytes
std::string Sha512(std::string_view data);  // 64 bytes

}  // namespace folivo::security
