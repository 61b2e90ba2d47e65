// MD5 against the RFC 1321 test suite and RC4 against published test vectors.

#include <gtest/gtest.h>

#include "pdf/security/md5.hpp"
#include "pdf/security/rc4.hpp"

namespace {

std::string Hex(const std::string& bytes) {
    static const char* const kDigits = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

TEST(Md5, Rfc1321Suite) {
    using folivo::security::Md5;
    EXPECT_EQ(Hex(Md5("")), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Hex(Md5("a")), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(Hex(Md5("abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Hex(Md5("message digest")), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(Hex(Md5("abcdefghijklmnopqrstuvwxyz")), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(Hex(Md5("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(Hex(Md5("12345678901234567890123456789012345678901234567890123456789012345678901234567890")),
              "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, PaddingBoundariesAndBinaryBytes) {
    using folivo::security::Md5;
    // 55, 56 and 64 bytes straddle the length field (values from coreutils md5sum).
    EXPECT_EQ(Hex(Md5(std::string(55, 'x'))), "04364420e25c512fd958a70738aa8f72");
    EXPECT_EQ(Hex(Md5(std::string(56, 'x'))), "668a72d5ba17f08e62dabcafad6db14b");
    EXPECT_EQ(Hex(Md5(std::string(64, 'x'))), "c1bb4f81d892b2d57947682aeb252456");
    EXPECT_EQ(Hex(Md5(std::string("\0\xff\x80", 3))), "4fd64cb80c3f86e1e9d0f559af8b370f");
}

TEST(Rc4, PublishedVectors) {
    using folivo::security::Rc4;
    EXPECT_EQ(Hex(Rc4("Plaintext", "Key")), "bbf316e8d940af0ad3");
    EXPECT_EQ(Hex(Rc4("pedia", "Wiki")), "1021bf0420");
    EXPECT_EQ(Hex(Rc4("Attack at dawn", "Secret")), "45a01f645fc35b383552544b9bf5");
    // RFC 6229: key 0x0102030405, first 16 bytes of key stream.
    EXPECT_EQ(Hex(Rc4(std::string(16, '\0'), FromHex("0102030405"))), "b2396305f03dc027ccc3524a0a1118a8");
    // 128-bit key of RFC 6229, key stream at offset 0.
    EXPECT_EQ(Hex(Rc4(std::string(16, '\0'), FromHex("0102030405060708090a0b0c0d0e0f10"))),
              "9ac7cc9a609d1ef7b2932899cde41b97");
}

TEST(Rc4, IsItsOwnInverseAndStartsFreshEachCall) {
    using folivo::security::Rc4;
    const std::string data = "Registro Compensi a Terzi \x80 2026";
    const std::string once = Rc4(data, "k3y");
    EXPECT_NE(once, data);
    EXPECT_EQ(Rc4(once, "k3y"), data);
    EXPECT_EQ(Rc4(data, "k3y"), once);
    EXPECT_THROW(Rc4(data, ""), std::invalid_argument);
}

}  // namespace
