// AES against FIPS 197 and SP 800-38A and SHA-2 against FIPS 180-4 examples; the revision-6 password
// hash is checked by qpdf, poppler and mupdf opening the files (protected_document_test.cpp).

#include <gtest/gtest.h>

#include "pdf/security/aes.hpp"
#include "pdf/security/sha2.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::security {
namespace {

using test::FromHex;

TEST(Aes, PublishedVectors) {
    const std::string zeroIv(16, '\0');
    const std::string plain = FromHex("00112233445566778899aabbccddeeff");
    EXPECT_EQ(AesCbc(FromHex("000102030405060708090a0b0c0d0e0f"), zeroIv, plain),
              FromHex("69c4e0d86a7b0430d8cdb78070b4c55a"));
    EXPECT_EQ(AesCbc(FromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f"), zeroIv, plain),
              FromHex("8ea2b7ca516745bfeafc49904b496089"));
    // CBC chaining over two blocks (SP 800-38A F.2.1).
    EXPECT_EQ(AesCbc(FromHex("2b7e151628aed2a6abf7158809cf4f3c"), FromHex("000102030405060708090a0b0c0d0e0f"),
                     FromHex("6bc1bee22e409f96e93d7e117393172aae2d8a571e03ac9c9eb76fac45af8e51")),
              FromHex("7649abac8119b246cee98e9b12e9197d5086cb9b507219ee95db113a917678b2"));
    EXPECT_EQ(AesCbcDecipher(FromHex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f"), zeroIv,
                             FromHex("8ea2b7ca516745bfeafc49904b496089")),
              plain);
    EXPECT_EQ(AesCbcUnpadded(FromHex("2b7e151628aed2a6abf7158809cf4f3c"),
                             AesCbcPadded(FromHex("2b7e151628aed2a6abf7158809cf4f3c"), std::string(16, 'v'), "chained text")),
              "chained text");
    // Padding always adds 1 to 16 bytes and the IV leads.
    const std::string iv(16, 'v');
    EXPECT_EQ(AesCbcPadded(FromHex("2b7e151628aed2a6abf7158809cf4f3c"), iv, "").size(), 32u);
    EXPECT_EQ(AesCbcPadded(FromHex("2b7e151628aed2a6abf7158809cf4f3c"), iv, std::string(16, 'x')).size(), 48u);
    EXPECT_EQ(AesCbcPadded(FromHex("2b7e151628aed2a6abf7158809cf4f3c"), iv, "x").substr(0, 16), iv);
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

}  // namespace
}  // namespace folivo::security
