// MD5 against the RFC 1321 test suite and RC4 against published test vectors.

#include <gtest/gtest.h>

#include "pdf/security/md5.hpp"
#include "pdf/security/rc4.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::security {
namespace {

using test::FromHex;

TEST(Md5, Rfc1321SuitePaddingBoundariesAndBinaryBytes) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
        // 55, 56 and 64 bytes straddle the length field (values from coreutils md5sum).
        {std::string(55, 'x'), "04364420e25c512fd958a70738aa8f72"},
        {std::string(56, 'x'), "668a72d5ba17f08e62dabcafad6db14b"},
        {std::string(64, 'x'), "c1bb4f81d892b2d57947682aeb252456"},
        {std::string("\0\xff\x80", 3), "4fd64cb80c3f86e1e9d0f559af8b370f"},
    };
    for (const auto& [input, digest] : cases) EXPECT_EQ(Md5(input), FromHex(digest)) << input.size() << " bytes";
}

TEST(Rc4, PublishedVectorsAndItsOwnInverse) {
    const std::string zeros(16, '\0');
    const struct {
        std::string data, key;
        const char* out;
    } cases[] = {
        {"Plaintext", "Key", "bbf316e8d940af0ad3"},
        {"pedia", "Wiki", "1021bf0420"},
        {"Attack at dawn", "Secret", "45a01f645fc35b383552544b9bf5"},
        // RFC 6229, 40- and 128-bit keys: the first 16 bytes of the key stream.
        {zeros, FromHex("0102030405"), "b2396305f03dc027ccc3524a0a1118a8"},
        {zeros, FromHex("0102030405060708090a0b0c0d0e0f10"), "9ac7cc9a609d1ef7b2932899cde41b97"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Rc4(c.data, c.key), FromHex(c.out)) << c.data;
        EXPECT_EQ(Rc4(Rc4(c.data, c.key), c.key), c.data) << "each call starts afresh";
    }
    EXPECT_THROW(Rc4("data", ""), std::invalid_argument);
}

}  // namespace
}  // namespace folivo::security
