#include "pdf/security/standard_security.hpp"

#include <algorithm>
#include <chrono>

#include "pdf/codec/ascii_hex.hpp"
#include "pdf/security/aes.hpp"
#include "pdf/security/aes256_entries.hpp"
#include "pdf/security/md5.hpp"
#include "pdf/security/random_bytes.hpp"
#include "pdf/security/rc4.hpp"
#include "pdf/text/windows1252.hpp"

namespace folivo::security {
namespace {

// The 32-byte padding string of the standard security handler.
constexpr unsigned char kPadding[32] = {
    0x28, 0xBF, 0x4E, 0x5E, 0x4E, 0x75, 0x8A, 0x41, 0x64, 0x00, 0x4E, 0x56, 0xFF, 0xFA, 0x01, 0x08,
    0x2E, 0x2E, 0x00, 0xB6, 0xD0, 0x68, 0x3E, 0x80, 0x2F, 0x0C, 0xA9, 0xFE, 0x64, 0x53, 0x69, 0x7A};

std::string PaddingString() { return std::string(reinterpret_cast<const char*>(kPadding), sizeof kPadding); }

constexpr int32_t kPermissions40 = 4 | 8 | 16 | 32;
constexpr int32_t kPermissions128 = kPermissions40 | 256 | 512 | 1024 | 2048;

std::string PermissionBytes(int32_t p) {
    std::string bytes(4, '\0');
    for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>(static_cast<uint32_t>(p) >> (8 * i));
    return bytes;
}

std::string XorEach(std::string key, int value) {
    for (char& c : key) c = static_cast<char>(static_cast<uint8_t>(c) ^ value);
    return key;
}

// RC4 under the key, then 19 more times under the key XORed with 1 .. 19 (revision 3).
std::string Rc4TwentyTimes(std::string data, const std::string& key) {
    data = Rc4(std::move(data), key);
    for (int i = 1; i <= 19; ++i) data = Rc4(std::move(data), XorEach(key, i));
    return data;
}

std::string Md5Repeated(std::string digest, int times, size_t keep) {
    for (int i = 0; i < times; ++i) digest = Md5(digest.substr(0, keep));
    return digest;
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

std::string Utf8(std::string_view singleByte) {
    std::string utf8;
    for (unsigned char c : singleByte) text::AppendUtf8(utf8, text::Windows1252Char(c));
    return utf8;
}

// Revisions 3 and 4: MD5 hashed 50 times and RC4 applied 20 times, 16-byte keys.
void MakeStrongEntries(SecurityState& s, const std::string& user, const std::string& owner) {
    const std::string ownerKey = Md5Repeated(Md5(owner), 50, 16).substr(0, 16);
    s.ownerEntry = Rc4TwentyTimes(user, ownerKey);
    s.fileKey =
        Md5Repeated(Md5(user + s.ownerEntry + PermissionBytes(s.permissionValue) + s.fileIdText), 50, 16).substr(0, 16);
    s.userEntry = Rc4TwentyTimes(Md5(PaddingString() + s.fileIdText), s.fileKey) + std::string(16, ' ');
    s.objectKeyLength = 16;
}

void MakeWeakEntries(SecurityState& s, const std::string& user, const std::string& owner) {
    s.ownerEntry = Rc4(user, Md5(owner).substr(0, 5));
    s.fileKey = Md5(user + s.ownerEntry + PermissionBytes(s.permissionValue) + s.fileIdText).substr(0, 5);
    s.userEntry = Rc4(PaddingString(), s.fileKey);
    s.objectKeyLength = 10;
}

void MakeAes256(SecurityState& s, std::string_view userPwd, std::string_view ownerPwd) {
    s.fileKey = RandomBytes(32);
    Aes256Entries e = MakeAes256Entries(Utf8(ownerPwd), Utf8(userPwd), s.permissionValue, s.fileKey);
    s.ownerEntry = std::move(e.owner);
    s.userEntry = std::move(e.user);
    s.ownerKeyEntry = std::move(e.ownerKey);
    s.userKeyEntry = std::move(e.userKey);
    s.permsEntry = std::move(e.perms);
}

int RevisionFor(int32_t mode) {
    if (mode & kAes256) return 6;
    if (mode & kAes128) return 4;
    return (mode & kStrong128) ? 3 : 2;
}

// The handler's closing entries: version, revision, key length and, for AES, the crypt filter.
std::string HandlerEntries(int revision) {
    switch (revision) {
        case 2: return "/V 1 /R 2 >>";
        case 3: return "/V 2 /R 3 /Length 128 >>";
        case 4:
            return "/V 4 /R 4 /Length 128 /CF << /StdCF << /CFM /AESV2 /AuthEvent /DocOpen /Length 16 >> >>\n"
                   "/StmF /StdCF /StrF /StdCF >>";
        default:
            return "/V 5 /R 6 /Length 256 /CF << /StdCF << /CFM /AESV3 /AuthEvent /DocOpen /Length 32 >> >>\n"
                   "/StmF /StdCF /StrF /StdCF >>";
    }
}

}  // namespace

std::string PadPassword(std::string_view password) {
    return (std::string(password.substr(0, 32)) + PaddingString()).substr(0, 32);
}

int32_t PermissionValue(int32_t mode) {
    // bits 64, 128 and 4096 up set; for 40-bit, bits 64 and 128 set, upper bytes 255
    if (mode & (kStrong128 | kAes128 | kAes256)) return (mode & kPermissions128) - 3904;
    return (mode & kPermissions40) + 192 - 256;
}

SecurityState MakeStandardSecurity(int32_t mode, std::string_view ownerPwd, std::string_view userPwd,
                                   std::string fileIdText) {
    SecurityState s;
    s.encrypting = true;
    s.fileIdText = std::move(fileIdText);
    s.permissionValue = PermissionValue(mode);
    s.revision = RevisionFor(mode);
    const std::string_view owner = IsBlank(ownerPwd) ? userPwd : ownerPwd;
    if (s.revision == 6) {
        MakeAes256(s, userPwd, owner);
    } else if (s.revision >= 3) {
        MakeStrongEntries(s, PadPassword(userPwd), PadPassword(owner));
    } else {
        MakeWeakEntries(s, PadPassword(userPwd), PadPassword(owner));
    }
    return s;
}

std::string UniqueFileIdentifier(std::string_view fileName, int64_t size) {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return Md5(std::to_string(now) + std::string(fileName) + std::to_string(size) + RandomBytes(16));
}

std::string ObjectKey(const SecurityState& security, int32_t objNum) {
    if (security.revision == 6) return security.fileKey;
    std::string salt(5, '\0');
    const auto number = static_cast<uint32_t>(objNum);
    for (size_t i = 0; i < 3; ++i) salt[i] = static_cast<char>(number >> (8 * i));  // low byte first
    if (security.revision == 4) salt += "sAlT";
    return Md5(security.fileKey + salt).substr(0, security.objectKeyLength);
}

void EncryptForObject(const SecurityState& security, int32_t objNum, std::string& bytes) {
    if (!security.encrypting) return;
    if (security.revision >= 4) {
        bytes = AesCbcPadded(ObjectKey(security, objNum), RandomBytes(16), bytes);
    } else if (!bytes.empty()) {
        bytes = Rc4(std::move(bytes), ObjectKey(security, objNum));
    }
}

std::string EncryptionDictionary(const SecurityState& security, std::string (*escape)(std::string_view)) {
    std::string dict = "<< /Filter /Standard \n/O (" + escape(security.ownerEntry) + ")\n/U (" +
                       escape(security.userEntry) + ")\n";
    if (security.revision == 6) {
        dict += "/OE (" + escape(security.ownerKeyEntry) + ")\n/UE (" + escape(security.userKeyEntry) +
                ")\n/Perms (" + escape(security.permsEntry) + ")\n";
    }
    return dict + "/P " + std::to_string(security.permissionValue) + "\n" + HandlerEntries(security.revision);
}

std::string TrailerEncryptEntries(const SecurityState& security, int32_t encryptObj) {
    const std::string id = codec::HexText(security.fileIdText);
    return "/Encrypt " + std::to_string(encryptObj) + " 0 R /ID [<" + id + "><" + id + ">]";
}

namespace {

std::optional<SecurityState> OpenAes256(const StoredEntries& stored, std::string_view password) {
    if (stored.user.size() < 48 || stored.userKey.size() != 32) return std::nullopt;
    const std::string pwd = Utf8(password);
    if (PasswordHashR6(pwd, stored.user.substr(32, 8), "") != stored.user.substr(0, 32)) return std::nullopt;
    SecurityState s;
    s.revision = 6;
    s.fileKey = AesCbcDecipher(PasswordHashR6(pwd, stored.user.substr(40, 8), ""), std::string(16, '\0'), stored.userKey);
    return s;
}

}  // namespace

std::optional<SecurityState> OpenStandardSecurity(const StoredEntries& stored, std::string_view password) {
    if (stored.revision == 6) return OpenAes256(stored, password);
    if (stored.revision < 2 || stored.revision > 4 || stored.owner.size() < 32 || stored.user.size() < 32) return std::nullopt;
    const size_t n = stored.revision == 2 ? 5 : std::clamp<size_t>(stored.keyBytes, 5, 16);
    std::string key = Md5(PadPassword(password) + stored.owner.substr(0, 32) + PermissionBytes(stored.permissions) +
                          stored.fileId + (stored.revision == 4 && !stored.encryptMetadata ? "\xFF\xFF\xFF\xFF" : ""));
    if (stored.revision >= 3) key = Md5Repeated(key, 50, n);
    key.resize(n);
    const bool opens = stored.revision == 2
                           ? Rc4(PaddingString(), key) == stored.user.substr(0, 32)
                           : Rc4TwentyTimes(Md5(PaddingString() + stored.fileId), key) == stored.user.substr(0, 16);
    if (!opens) return std::nullopt;
    SecurityState s;
    s.revision = stored.revision == 4 && !stored.aes ? 3 : stored.revision;  // an RC4 crypt filter keys as revision 3
    s.fileKey = key;
    s.objectKeyLength = std::min<size_t>(n + 5, 16);
    return s;
}

std::string DecipherForObject(const SecurityState& security, int32_t objNum, std::string bytes) {
    if (security.revision >= 4) return AesCbcUnpadded(ObjectKey(security, objNum), bytes).value_or("");
    return Rc4(std::move(bytes), ObjectKey(security, objNum));
}

}  // namespace folivo::security
