#include "pdf/security/aes256_entries.hpp"

#include "pdf/security/aes.hpp"
#include "pdf/security/random_bytes.hpp"
#include "pdf/security/sha2.hpp"

namespace folivo::security {
namespace {

const std::string kZeroIv(16, '\0');

unsigned SumOfFirst16(const std::string& bytes) {
    unsigned sum = 0;
    for (size_t i = 0; i < 16; ++i) sum += static_cast<uint8_t>(bytes[i]);
    return sum;
}

struct Salts {
    std::string validation = RandomBytes(8);
    std::string key = RandomBytes(8);
};

}  // namespace

std::string PasswordHashR6(std::string_view password, std::string_view salt, std::string_view userEntry) {
    const std::string pwd(password.substr(0, 127));
    std::string k = Sha256(pwd + std::string(salt) + std::string(userEntry));
    for (unsigned round = 1;; ++round) {
        const std::string once = pwd + k + std::string(userEntry);
        std::string repeated;
        repeated.reserve(64 * once.size());
        for (int i = 0; i < 64; ++i) repeated += once;
        const std::string e = AesCbc(std::string_view(k).substr(0, 16), std::string_view(k).substr(16, 16), repeated);
        switch (SumOfFirst16(e) % 3) {
            case 0: k = Sha256(e); break;
            case 1: k = Sha384(e); break;
            default: k = Sha512(e); break;
        }
        if (round >= 64 && static_cast<uint8_t>(e.back()) <= round - 32) break;
    }
    return k.substr(0, 32);
}

Aes256Entries MakeAes256Entries(std::string_view ownerPwd, std::string_view userPwd, int32_t permissions,
                                std::string_view fileKey) {
    Aes256Entries entries;
    const Salts user, owner;
    entries.user = PasswordHashR6(userPwd, user.validation, "") + user.validation + user.key;
    entries.userKey = AesCbc(PasswordHashR6(userPwd, user.key, ""), kZeroIv, fileKey);
    entries.owner = PasswordHashR6(ownerPwd, owner.validation, entries.user) + owner.validation + owner.key;
    entries.ownerKey = AesCbc(PasswordHashR6(ownerPwd, owner.key, entries.user), kZeroIv, fileKey);
    std::string block;
    for (int i = 0; i < 4; ++i) block += static_cast<char>(static_cast<uint32_t>(permissions) >> (8 * i));
    block += std::string(4, '\xFF') + "Tadb" + RandomBytes(4);  // metadata encrypted too
    entries.perms = AesCbc(fileKey, kZeroIv, block);
    return entries;
}

}  // namespace folivo::security
