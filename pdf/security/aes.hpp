#pragma once
// AES (FIPS 197) with 128- and 256-bit keys, in CBC mode, for the AES security handlers: the
// writer enciphers, page import deciphers sources protected without a user password.

#include <optional>
#include <string>
#include <string_view>

namespace folivo::security {

// CBC over data whose length is a multiple of 16 (no padding); key of 16 or 32 bytes, IV of 16.
std::string AesCbc(std::string_view key, std::string_view iv, std::string_view data);

// CBC after padding the data to whole blocks (1 to 16 bytes, each holding the pad length), with the
// IV in front of the result, as PDF strings and streams carry it.
std::string AesCbcPadded(std::string_view key, std::string_view iv, std::string_view data);

// The inverse of AesCbc.
std::string AesCbcDecipher(std::string_view key, std::string_view iv, std::string_view data);

// The inverse of AesCbcPadded (IV in front, padding removed); nullopt when the data is no such text.
std::optional<std::string> AesCbcUnpadded(std::string_view key, std::string_view data);

}  // namespace folivo::security
