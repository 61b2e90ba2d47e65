#pragma once
// The standard security handler of PDF 1.4: owner and user entries, the document key and the
// per-object keys, for 40-bit (revision 2) and 128-bit (revision 3) RC4 encryption.

#include <cstdint>
#include <string>
#include <string_view>

namespace folivo::security {

// Mode bit that selects 128-bit keys; the other bits grant permissions (4 print, 8 modify,
// 16 copy, 32 annotate; for 128-bit also 256 fill forms, 512 accessibility, 1024 assemble,
// 2048 high-quality print).
inline constexpr int32_t kStrong128 = 4096;

struct SecurityState {
    bool encrypting = false;
    int revision = 0;           // 2 for 40-bit, 3 for 128-bit
    std::string fileKey;        // 5 or 16 bytes
    size_t objectKeyLength = 0; // 10 or 16
    std::string ownerEntry;     // /O, 32 bytes
    std::string userEntry;      // /U, 32 bytes
    int32_t permissionValue = 0;  // /P
    std::string fileIdText;     // the file identifier's bytes
};

// The password cut or padded to 32 bytes with the handler's padding string.
std::string PadPassword(std::string_view password);

// The permission value /P for a mode.
int32_t PermissionValue(int32_t mode);

// Everything SetProtection computes. Passwords are single-byte (Windows-1252) strings.
SecurityState MakeStandardSecurity(int32_t mode, std::string_view ownerPwd, std::string_view userPwd,
                                   std::string fileIdText);

// The RC4 key of one object (generation 0).
std::string ObjectKey(const SecurityState& security, int32_t objNum);

// Enciphers bytes for the object when encryption is on; leaves them alone otherwise.
void EncryptForObject(const SecurityState& security, int32_t objNum, std::string& bytes);

// The lines of the encryption dictionary, joined by line feeds; `escape` is applied to /O and /U.
std::string EncryptionDictionary(const SecurityState& security, std::string (*escape)(std::string_view));

// The trailer's tail: /Encrypt reference and /ID pair in upper-case hexadecimal.
std::string TrailerEncryptEntries(const SecurityState& security, int32_t encryptObj);

}  // namespace folivo::security
