#pragma once
// The password entries of the AES-256 standard security handler (revision 6): /U, /O, /UE, /OE and
// /Perms for a random 32-byte file key.

#include <cstdint>
#include <string>
#include <string_view>

namespace folivo::security {

struct Aes256Entries {
    std::string user;      // /U: hash, validation salt, key salt (48 bytes)
    std::string owner;     // /O: the same, hashed over /U too (48 bytes)
    std::string userKey;   // /UE: the file key under the user password's key (32 bytes)
    std::string ownerKey;  // /OE: the file key under the owner password's key (32 bytes)
    std::string perms;     // /Perms: the permissions under the file key (16 bytes)
};

// The revision-6 hash of a UTF-8 password (at most 127 bytes used) with a salt and, for the owner,
// the 48-byte /U entry.
std::string PasswordHashR6(std::string_view password, std::string_view salt, std::string_view userEntry);

// Entries for the passwords (UTF-8), the permission value and the file key, with fresh salts.
Aes256Entries MakeAes256Entries(std::string_view ownerPwd, std::string_view userPwd, int32_t permissions,
                                std::string_view fileKey);

}  // namespace folivo::security
