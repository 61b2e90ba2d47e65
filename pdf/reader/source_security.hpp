#pragma once
// A source protected by the standard security handler that asks no password to open it (the
// common file with only its permissions restricted): the empty user password opens it, and each
// object's strings and stream bytes are deciphered as the object is read.

#include <cstdint>
#include <optional>

#include "pdf/reader/value.hpp"
#include "pdf/security/standard_security.hpp"

namespace folivo::reader {

// The deciphering state for the trailer's /Encrypt dictionary (given resolved); nullopt when the
// handler is not the standard one or the empty password does not open the file.
std::optional<security::SecurityState> OpenWithoutPassword(const Value& encrypt, const Value& trailer);

// Deciphers every string inside the value, and the stream bytes, of object `number`.
void Decipher(const security::SecurityState& state, int64_t number, Value& value, std::string* streamData);

}  // namespace folivo::reader
