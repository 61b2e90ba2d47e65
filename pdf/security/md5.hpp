#pragma once
// MD5 message digest (RFC 1321) of a byte string.

#include <string>
#include <string_view>

namespace folivo::security {

// The 16-byte digest, one character per byte.
std::string Md5(std::string_view data);

}  // namespace folivo::security
