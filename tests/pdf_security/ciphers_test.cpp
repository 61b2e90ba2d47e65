// The security handler's building blocks: MD5 against the RFC 1321 test suite, RC4, AES (FIPS 197,
// SP 800-38A) and SHA-2 (FIPS 180-4) against published vectors, and the standard handler's values
// that no reader looks at (permission numbers, key sizes, entries that repeat for the same inputs).
// The revision-6 password hash and the handler's keys are judged by qpdf, poppler and mupdf opening
// whole files (protected_document_test.cpp).

#include <gtest/gtest.h>

#include "pdf/security/aes.hpp"
#include "pdf/security/md5.hpp"
#include "pdf/security/rc4.hpp"
#include "pdf/security/sha2.hpp"
#include "pdf/security/standard_security.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::security {
namespace {

using test::FromHex;

TEST(Md5, Rfc1321SuitePaddingBoundariesAndBinaryBytes) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},  {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"}, {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
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

TEST(Aes, PublishedVectors) {
    const std::string zeroIv(16, '\0'), plain = FromHex("00112233445566778899aabbccddeeff");
    const std::string key128 = FromHex("000102030405060708090a0b0c0d0e0f");
    const std::string key256 = key128 + FromHex("101112131415161718191a1b1c1d1e1f");
    EXPECT_EQ(AesCbc(key128, zeroIv, plain), FromHex("69c4e0d86a7b0430d8cdb78070b4c55a"));
    EXPECT_EQ(AesCbc(key256, zeroIv, plain), FromHex("8ea2b7ca516745bfeafc49904b496089"));
    EXPECT_EQ(AesCbcDecipher(key256, zeroIv, FromHex("8ea2b7ca516745bfeafc49904b496089")), plain);
    // CBC chaining over two blocks (SP 800-38A F.2.1, whose IV is 00 01 .. 0F).
    const std::string key = FromHex("2b7e151628aed2a6abf7158809cf4f3c");
    EXPECT_EQ(AesCbc(key, key128, FromHex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51")),
              FromHex("7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"));
    // Padding always adds 1 to 16 bytes, the IV leads, and unpadding takes both off again.
    const std::string iv(16, 'v');
    EXPECT_EQ(AesCbcUnpadded(key, AesCbcPadded(key, iv, "chained text")), "chained text");
    EXPECT_EQ(AesCbcPadded(key, iv, "").size(), 32u);
    EXPECT_EQ(AesCbcPadded(key, iv, std::string(16, 'x')).size(), 48u);
    EXPECT_EQ(AesCbcPadded(key, iv, "x").substr(0, 16), iv);
}

TEST(Sha2, PublishedVectorsAcrossBlockBoundaries) {
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    EXPECT_EQ(Sha256("abc"), FromHex("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    EXPECT_EQ(Sha256(twoBlocks), FromHex("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"));
    EXPECT_EQ(Sha256(std::string(1000000, 'a')),
              FromHex("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"));
    EXPECT_EQ(Sha384("abc"), FromHex("cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc"
                                     "2358baeca134c825a7"));
    EXPECT_EQ(Sha512("abc"), FromHex("ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1"
                                     "a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"));
    EXPECT_EQ(Sha512(""), FromHex("cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce47d0d13c5d85f2b0"
                                  "ff8318d2877eec2f63b931bd47417a81a538327af927da3e"));
}

TEST(StandardSecurity, PermissionValues) {
    const std::pair<int32_t, int32_t> cases[] = {
        {0, -64},                            // 40-bit, nothing allowed
        {4 + 8 + 16 + 32, -4},               // 40-bit, everything allowed
        {4, -60},    {256 + 4, -60},         // form bits mean nothing at 40 bits
        {4096 + 4 + 16, -3884},              // 128-bit print and copy
        {4096, -3904},                       // 128-bit, nothing allowed
        {4096 + 4095 - 64 - 128 - 3, -4}};  // every 128-bit permission
    for (const auto& [mode, value] : cases) EXPECT_EQ(PermissionValue(mode), value) << mode;
}

TEST(StandardSecurity, ObjectKeySizesAndTheBlankTailOfTheRevision3UserEntry) {
    // Padding, file keys and object keys are judged by qpdf decrypting whole files; these sizes
    // and the blank tail are what a reader does not look at.
    EXPECT_EQ(ObjectKey(MakeStandardSecurity(4, "owner", "user", "id"), 7).size(), 10u);
    const auto strong = MakeStandardSecurity(4096 + 4, "owner", "user", "id");
    EXPECT_EQ(ObjectKey(strong, 7).size(), 16u);
    EXPECT_EQ(strong.userEntry.size(), 32u);
    EXPECT_EQ(strong.userEntry.substr(16), std::string(16, ' '));
}

TEST(StandardSecurity, BlankOwnerMeansUserAndOnlyTheKeyFollowsTheIdentifier) {
    for (int32_t mode : {4, 4096 + 4}) {
        const auto a = MakeStandardSecurity(mode, "own", "usr", "producer2.4.8");
        const auto blank = MakeStandardSecurity(mode, "  ", "usr", "producer2.4.8");
        const auto same = MakeStandardSecurity(mode, "usr", "usr", "producer2.4.8");
        EXPECT_EQ(blank.ownerEntry, same.ownerEntry);
        EXPECT_NE(blank.ownerEntry, a.ownerEntry);
        const auto otherId = MakeStandardSecurity(mode, "own", "usr", "other2.4.8");
        EXPECT_NE(otherId.fileKey, a.fileKey);
        EXPECT_EQ(otherId.ownerEntry, a.ownerEntry) << "/O does not depend on the identifier";
    }
}

}  // namespace
}  // namespace folivo::security
