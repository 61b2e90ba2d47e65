#include "pdf/security/standard_security.hpp"

#include "pdf/codec/ascii_hex.hpp"
#include "pdf/security/md5.hpp"
#include "pdf/security/rc4.hpp"

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

}  // namespace

std::string PadPassword(std::string_view password) {
    return (std::string(password.substr(0, 32)) + PaddingString()).substr(0, 32);
}

int32_t PermissionValue(int32_t mode) {
    if (mode & kStrong128) return (mode & kPermissions128) - 3904;  // bits 64, 128 and 4096 up set
    return (mode & kPermissions40) + 192 - 256;                     // bits 64 and 128 set, upper bytes 255
}

SecurityState MakeStandardSecurity(int32_t mode, std::string_view ownerPwd, std::string_view userPwd,
                                   std::string fileIdText) {
    SecurityState s;
    s.encrypting = true;
    s.fileIdText = std::move(fileIdText);
    s.permissionValue = PermissionValue(mode);
    const bool strong = (mode & kStrong128) != 0;
    s.revision = strong ? 3 : 2;
    const std::string user = PadPassword(userPwd);
    const std::string owner = PadPassword(IsBlank(ownerPwd) ? userPwd : ownerPwd);
    if (strong) {
        const std::string ownerKey = Md5Repeated(Md5(owner), 50, 16).substr(0, 16);
        s.ownerEntry = Rc4TwentyTimes(user, ownerKey);
        s.fileKey = Md5Repeated(Md5(user + s.ownerEntry + PermissionBytes(s.permissionValue) + s.fileIdText), 50, 16)
                        .substr(0, 16);
        s.userEntry = Rc4TwentyTimes(Md5(PaddingString() + s.fileIdText), s.fileKey) + std::string(16, ' ');
        s.objectKeyLength = 16;
    } else {
        s.ownerEntry = Rc4(user, Md5(owner).substr(0, 5));
        s.fileKey = Md5(user + s.ownerEntry + PermissionBytes(s.permissionValue) + s.fileIdText).substr(0, 5);
        s.userEntry = Rc4(PaddingString(), s.fileKey);
        s.objectKeyLength = 10;
    }
    return s;
}

std::string ObjectKey(const SecurityState& security, int32_t objNum) {
    std::string salt(5, '\0');
    const auto number = static_cast<uint32_t>(objNum);
    for (size_t i = 0; i < 3; ++i) salt[i] = static_cast<char>(number >> (8 * i));  // low byte first
    return Md5(security.fileKey + salt).substr(0, security.objectKeyLength);
}

void EncryptForObject(const SecurityState& security, int32_t objNum, std::string& bytes) {
    if (!security.encrypting || bytes.empty()) return;
    bytes = Rc4(std::move(bytes), ObjectKey(security, objNum));
}

std::string EncryptionDictionary(const SecurityState& security, std::string (*escape)(std::string_view)) {
    std::string dict = "<< /Filter /Standard \n/O (" + escape(security.ownerEntry) + ")\n/U (" +
                       escape(security.userEntry) + ")\n/P " + std::to_string(security.permissionValue) + "\n";
    dict += security.revision == 3 ? "/V 2 /R 3 /Length 128 >>" : "/V 1 /R 2 >>";
    return dict;
}

std::string TrailerEncryptEntries(const SecurityState& security, int32_t encryptObj) {
    const std::string id = codec::HexText(security.fileIdText);
    return "/Encrypt " + std::to_string(encryptObj) + " 0 R /ID [<" + id + "><" + id + ">]";
}

}  // namespace folivo::security
