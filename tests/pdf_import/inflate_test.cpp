// The inflate decoder against streams made by zlib (every level and strategy: stored, fixed and
// dynamic blocks; our encoder's own streams are judged by zlib in pdf_codec), and against damaged
// streams, which must give an error and never crash.

#include <gtest/gtest.h>

#include <random>

#include "pdf/codec/inflate.hpp"
#include "tests/pdf_support/zlib.hpp"

namespace {

using folivo::codec::InflateZlib;
using Bytes = std::vector<uint8_t>;

Bytes Samples(int kind, size_t size) {
    std::mt19937 rng(static_cast<unsigned>(kind * 7919 + size));
    Bytes out(size);
    for (size_t i = 0; i < size; ++i) {
        switch (kind) {
            case 0: out[i] = static_cast<uint8_t>(rng()); break;                 // incompressible
            case 1: out[i] = static_cast<uint8_t>("BT /F1 12 Tf (Hello) Tj ET\n"[i % 27]); break;
            case 2: out[i] = static_cast<uint8_t>(rng() % 4 + 'a'); break;      // small alphabet
            default: out[i] = 0; break;                                           // one long run
        }
    }
    return out;
}

TEST(Inflate, RoundTripsZlibAtEveryLevelAndStrategy) {
    for (int kind = 0; kind < 4; ++kind) {
        for (size_t size : {size_t{0}, size_t{1}, size_t{300}, size_t{70000}, size_t{200000}}) {
            const Bytes input = Samples(kind, size);
            for (int level : {0, 1, 6, 9}) {
                for (int strategy : {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE}) {
                    auto theirs = InflateZlib(folivo::test::ZlibDeflate(input, level, strategy));
                    ASSERT_TRUE(theirs.ok()) << theirs.error << " kind " << kind << " size " << size << " level " << level;
                    EXPECT_EQ(theirs.bytes, input);
                }
            }
        }
    }
}

TEST(Inflate, DamagedStreamsGiveAnError) {
    const Bytes good = folivo::test::ZlibDeflate(Samples(1, 5000), 9, Z_DEFAULT_STRATEGY);
    Bytes truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    Bytes badHeader = good;
    badHeader[0] = 0x12;
    Bytes badChecksum = good;
    badChecksum.back() ^= 0xFF;
    const Bytes badBlockType = {0x78, 0x9C, 0x07};
    for (const Bytes& bad : {truncated, badHeader, badChecksum, badBlockType, Bytes{}, Bytes{0x78}}) {
        EXPECT_FALSE(InflateZlib(bad).ok());
    }
}

}  // namespace
