#pragma once
// The standard security handler: owner and user entries, the document key and the per-object keys,
// for 40-bit (revision 2) and 128-bit (revision 3) RC4, AES-128 (revision 4) and AES-256 (revision 6).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace folivo::security {

// Mode bit that selects 128-bit keys; the other bits grant permissions (4 print, 8 modify,
// 16 copy, 32 annotate; for 128-bit also 256 fill forms, 512 accessibility, 1024 assemble,
// 2048 high-quality print).
inline constexpr int32_t kStrong128 = 4096;
// Mode bits that select AES with 128-bit or 256-bit keys (256 wins when both are set); the
// permission bits are those of 128-bit RC4.
inline constexpr int32_t kAes128 = 8192;
inline constexpr int32_t kAes256 = 16384;

struct SecurityState {
    bool encrypting = false;
    int revision = 0;           // 2 for 40-bit, 3 for 128-bit RC4, 4 for AES-128, 6 for AES-256
    std::string fileKey;        // 5, 16 or 32 bytes
    size_t objectKeyLength = 0; // 10 or 16 (RC4 and AES-128)
    std::string ownerEntry;     // /O, 32 bytes (48 for AES-256)
    std::string userEntry;      // /U, 32 bytes (48 for AES-256)
    std::string ownerKeyEntry;  // /OE, AES-256 only
    std::string userKeyEntry;   // /UE, AES-256 only
    std::string permsEntry;     // /Perms, AES-256 only
    int32_t permissionValue = 0;  // /P
    std::string fileIdText;     // the file identifier's bytes
};

// The password cut or padded to 32 bytes with the handler's padding string.
std::string PadPassword(std::string_view password);

// The permission value /P for a mode.
int32_t PermissionValue(int32_t mode);

// Everything SetProtection computes. Passwords are single-byte (Windows-1252) strings; AES-256
// hashes them as UTF-8. The RC4 and AES-128 keys depend on the file identifier's bytes.
SecurityState MakeStandardSecurity(int32_t mode, std::string_view ownerPwd, std::string_view userPwd,
                                   std::string fileIdText);

// A 16-byte file identifier of its own for each document: the time, the file name, its size so far
// and random bytes, hashed. (RC4 files keep the producer's text, the same in every file.)
std::string UniqueFileIdentifier(std::string_view fileName, int64_t size);

// The key of one object (generation 0): RC4 or AES-128 per object, the file key for AES-256.
std::string ObjectKey(const SecurityState& security, int32_t objNum);

// Enciphers bytes for the object when encryption is on; leaves them alone otherwise. AES puts a
// fresh random initialisation vector in front of each string and stream.
void EncryptForObject(const SecurityState& security, int32_t objNum, std::string& bytes);

// The lines of the encryption dictionary, joined by line feeds; `escape` is applied to /O and /U.
std::string EncryptionDictionary(const SecurityState& security, std::string (*escape)(std::string_view));

// What a protected file's encryption dictionary and identifier say, for opening it.
struct StoredEntries {
    int revision = 0;
    size_t keyBytes = 5;        // /Length in bytes (revisions 3 and 4)
    bool aes = false;           // revision 4's crypt filter is AESV2 (else RC4)
    bool encryptMetadata = true;
    std::string owner, user, userKey;  // /O, /U, /UE
    int32_t permissions = 0;           // /P
    std::string fileId;                // the first string of /ID
};

// The state that deciphers the file when `password` is its user password (the empty one for files
// that ask none to open them); nullopt when it is not. Revisions 2, 3, 4 and 6.
std::optional<SecurityState> OpenStandardSecurity(const StoredEntries& stored, std::string_view password);

// Deciphers a string or stream of an object of a file opened by OpenStandardSecurity; AES data
// that is no whole padded text comes back empty.
std::string DecipherForObject(const SecurityState& security, int32_t objNum, std::string bytes);

// The trailer's tail: /Encrypt reference and /ID pair in upper-case hexadecimal.
std::string TrailerEncryptEntries(const SecurityState& security, int32_t encryptObj);

}  // namespace folivo::security
