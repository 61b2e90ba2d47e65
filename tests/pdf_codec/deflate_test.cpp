// Deflate output judged by zlib: every quality on every sample input must inflate to the input,
// with the header, checksum and block form the format and our cost rule call for.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <utility>

#include "bench/codec_inputs.hpp"
#include "pdf/codec/adler32.hpp"
#include "pdf/codec/deflate.hpp"
#include "pdf/codec/dynamic_header.hpp"
#include "pdf/codec/huffman.hpp"
#include "tests/pdf_codec/sample_inputs.hpp"
#include "tests/pdf_support/zlib.hpp"

namespace {

using folivo::codec::DeflateZlib;
using folivo::test::ZlibInflate;

uint8_t FirstBlockType(const std::vector<uint8_t>& compressed) { return (compressed[2] >> 1) & 3; }

TEST(Deflate, EverySampleAtEveryQualityInflatesBackWithHeaderAndChecksum) {
    for (const auto& sample : kv::test::SampleInputs()) {
        for (int quality = 0; quality <= 3; ++quality) {
            SCOPED_TRACE(sample.name + " quality " + std::to_string(quality));
            const auto out = DeflateZlib(sample.bytes, quality);
            ASSERT_GE(out.size(), 7u);
            EXPECT_EQ(out[0], 0x78);
            EXPECT_EQ(out[1], 0x5E);
            EXPECT_EQ(ZlibInflate(out, sample.bytes.size()), sample.bytes);  // zlib checks the Adler-32 too
        }
    }
}

TEST(Deflate, BlockFormFollowsTheCheapestCost) {
    // Incompressible bytes that fit one stored block: length + 5 bytes after the header.
    const auto noise = kv::test::RandomBytes(300, 7);
    const auto stored = DeflateZlib(noise, 2);
    EXPECT_EQ(stored[2], 0x01) << "final stored block";
    EXPECT_EQ(stored.size(), 2 + 300 + 5 + 4u);

    // Over 65,535 stored bytes: several stored blocks, only the last final.
    const auto bigNoise = kv::test::RandomBytes(200000, 8);
    const auto split = DeflateZlib(bigNoise, 1);
    EXPECT_EQ(split.size(), 2 + 200000 + 4 * 5 + 4u);
    EXPECT_EQ(split[2], 0x00) << "first of several stored blocks is not final";
    EXPECT_EQ(split[2 + 5 + 65535], 0x00);
    EXPECT_EQ(split[2 + 3 * (5 + 65535)], 0x01);

    // Tiny inputs are cheapest with the fixed codes, long text with its own codes.
    EXPECT_EQ(FirstBlockType(DeflateZlib(std::vector<uint8_t>{}, 0)), 1);
    EXPECT_EQ(FirstBlockType(DeflateZlib(std::vector<uint8_t>{'a', 'b', 'c'}, 0)), 1);
    EXPECT_EQ(FirstBlockType(DeflateZlib(kv::test::ReportContentStream(20000), 0)), 2);
}

TEST(Deflate, SizeStaysCloseToZlibAtTheMirroredLevel) {
    const std::vector<std::vector<uint8_t>> texts{kv::test::RepositoryText(), kv::test::ReportContentStream(400000)};
    for (const auto& text : texts) {
        for (int quality = 0; quality <= 3; ++quality) {
            const double ratio = static_cast<double>(DeflateZlib(text, quality).size()) /
                                 static_cast<double>(folivo::test::ZlibDeflate(text, quality + 4).size());
            EXPECT_LT(ratio, 1.05) << "quality " << quality;
        }
    }
}

TEST(Adler32, MatchesZlibAcrossLengthsAndStartingValues) {
    // Every length up to a few vector steps past the modulo block, so each tail and each block
    // boundary is crossed, from both the initial value and values near the modulus.
    const auto bytes = kv::test::RandomBytes(3 * 5552 + 100, 12);
    const std::vector<uint8_t> ones(3 * 5552 + 100, 0xFF);
    for (const auto* data : {&bytes, &ones})
        for (size_t length = 0; length <= data->size(); length += length < 80 ? 1 : 37)
            for (uint32_t start : {1u, 0xFFF0FFF0u}) {
                const uLong expected = adler32(start, data->data(), static_cast<uInt>(length));
                ASSERT_EQ(folivo::codec::Adler32({data->data(), length}, start), expected) << "length " << length;
            }
}

// A 64-bit FNV-1a digest of bytes.
uint64_t Digest(const std::vector<uint8_t>& bytes) {
    uint64_t h = 14695981039346656037ull;
    for (uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
    return h;
}

TEST(Deflate, OutputBytesStayTheSameAtEveryQuality) {
    // The match rule, the level rows and the single block fix the bytes: a faster encoder must
    // write exactly these. The benchmark's inputs (report content, prose, mixed data, one page of
    // each kind), and report content with every ninth byte replaced by noise.
    auto noisy = kv::test::ReportContentStream(120000);
    const auto noise = kv::test::RandomBytes(noisy.size() / 9 + 1, 4);
    for (size_t i = 0; i < noisy.size(); i += 9) noisy[i] = noise[i / 9];
    const std::vector<uint8_t>* inputs[] = {&kv::bench::Input(0), &kv::bench::Input(1), &kv::bench::Input(2),
                                            &kv::bench::Input(3), &kv::bench::Input(4), &noisy};
    const uint64_t expected[4][6] = {
        {17292821411022682235ull, 16903701846070081575ull, 1252263744517293217ull,
         10106526139847073053ull, 10279620581396806355ull, 3877096532192407161ull},
        {4409950379740530271ull, 7014663975375609193ull, 18207718844566842013ull,
         3551906355811474845ull, 18413699759635479660ull, 17933744080755234331ull},
        {7456076963416793188ull, 9816140265547478003ull, 5822189144291119521ull,
         3733658249280981167ull, 3193205582689707101ull, 3207324723125943263ull},
        {16840292452923615250ull, 13293248459443204978ull, 2445689232983220759ull,
         10370131901652043452ull, 3193205582689707101ull, 10306893815783864217ull}};
    // One scratch for every stream, as a document reuses it.
    folivo::codec::DeflateScratch scratch;
    for (int quality = 0; quality <= 3; ++quality)
        for (size_t i = 0; i < std::size(inputs); ++i)
            EXPECT_EQ(Digest(DeflateZlib(*inputs[i], quality, scratch)), expected[quality][i])
                << "input " << i << ", quality " << quality;
}

TEST(Huffman, SkewedCountsThatForceTheLengthLimitStillInflate) {
    // Counts of the Fibonacci sequence make the deepest unlimited trees; the lengths themselves are
    // compared with textbook package-merge below.
    std::vector<uint8_t> skewed;
    for (uint32_t s = 0, a = 1, b = 1; s < 24; ++s) {
        skewed.insert(skewed.end(), a, static_cast<uint8_t>(s * 10));
        b = std::exchange(a, b) + b;
    }
    for (int quality = 0; quality <= 3; ++quality)
        EXPECT_EQ(ZlibInflate(DeflateZlib(skewed, quality), skewed.size()), skewed);
}

// Package-merge as the textbook states it, every item carrying how often each leaf is in it:
// the reference for the encoder's table-free form. Leaves in order of weight, then of symbol;
// a leaf goes before a package of the same weight.
std::vector<uint8_t> TextbookLengths(const std::vector<uint32_t>& freqs, int maxBits, int minCodes) {
    struct Item {
        uint64_t weight;
        std::vector<int> leaves;
    };
    std::vector<size_t> used;
    for (size_t s = 0; s < freqs.size(); ++s)
        if (freqs[s] > 0) used.push_back(s);
    for (size_t s = 0; s < freqs.size() && used.size() < static_cast<size_t>(minCodes); ++s)
        if (freqs[s] == 0) used.push_back(s);
    auto weightOf = [&](size_t s) { return std::max<uint64_t>(freqs[s], 1); };
    std::stable_sort(used.begin(), used.end(), [&](size_t a, size_t b) { return weightOf(a) < weightOf(b); });
    std::vector<uint8_t> lengths(freqs.size(), 0);
    if (used.size() == 1) lengths[used[0]] = 1;
    if (used.size() < 2) return lengths;
    std::vector<Item> leaves;
    for (size_t i = 0; i < used.size(); ++i) {
        leaves.push_back({weightOf(used[i]), std::vector<int>(used.size(), 0)});
        leaves.back().leaves[i] = 1;
    }
    std::vector<Item> list = leaves;
    for (int level = 1; level < maxBits; ++level) {
        std::vector<Item> packages;
        for (size_t i = 0; i + 1 < list.size(); i += 2) {
            Item p{list[i].weight + list[i + 1].weight, list[i].leaves};
            for (size_t j = 0; j < used.size(); ++j) p.leaves[j] += list[i + 1].leaves[j];
            packages.push_back(std::move(p));
        }
        list.clear();
        std::merge(leaves.begin(), leaves.end(), packages.begin(), packages.end(), std::back_inserter(list),
                   [](const Item& a, const Item& b) { return a.weight < b.weight; });
    }
    for (size_t i = 0; i < 2 * used.size() - 2; ++i)
        for (size_t j = 0; j < used.size(); ++j) lengths[used[j]] = static_cast<uint8_t>(lengths[used[j]] + list[i].leaves[j]);
    return lengths;
}

TEST(Huffman, LengthsAreThoseOfTextbookPackageMerge) {
    // Few distinct weights (ties everywhere), wide spreads, powers of two that force the limit, and
    // tables with most symbols unused, at the sizes and limits Deflate's three codes have.
    std::mt19937 rng(3);
    for (int round = 0; round < 600; ++round) {
        const size_t symbols = round % 3 == 0 ? 286 : round % 3 == 1 ? 30 : 19;
        const int limit = symbols == 19 ? 7 : 15;
        const int minCodes = symbols == 30 ? 0 : 2;
        const uint32_t usedPerMille = 20 + rng() % 980;
        std::vector<uint32_t> freqs(symbols);
        for (auto& f : freqs) {
            if (rng() % 1000 >= usedPerMille) continue;
            switch (round / 3 % 4) {
                case 0: f = 1 + rng() % 4; break;
                case 1: f = 1 + rng() % 5000; break;
                case 2: f = 1u << (rng() % 22); break;
                default: f = 1 + (rng() % 3) * (rng() % 4) * 9; break;
            }
        }
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<uint8_t> lengths(freqs.size());
        folivo::codec::LimitedCodeLengths(freqs, limit, minCodes, lengths);
        ASSERT_EQ(lengths, TextbookLengths(freqs, limit, minCodes));
    }
}

TEST(CodeLengthRuns, RunsAreCutAtTheFormatsLimits) {
    using folivo::codec::CodeLengthItem;
    auto runs = [](std::vector<uint8_t> lengths) {
        std::vector<CodeLengthItem> items;
        folivo::codec::AppendCodeLengthRuns(lengths.data(), static_cast<int>(lengths.size()), items);
        std::vector<std::pair<int, int>> flat;
        for (const auto& item : items) flat.emplace_back(item.symbol, item.extra);
        return flat;
    };
    using V = std::vector<std::pair<int, int>>;
    EXPECT_EQ(runs(std::vector<uint8_t>(140, 0)), (V{{18, 127}, {0, 0}, {0, 0}}));
    EXPECT_EQ(runs(std::vector<uint8_t>(10, 0)), (V{{17, 7}}));
    EXPECT_EQ(runs(std::vector<uint8_t>(2, 0)), (V{{0, 0}, {0, 0}}));
    EXPECT_EQ(runs(std::vector<uint8_t>(7, 8)), (V{{8, 0}, {16, 3}}));
    EXPECT_EQ(runs(std::vector<uint8_t>(3, 8)), (V{{8, 0}, {8, 0}, {8, 0}}));
    EXPECT_EQ(runs(std::vector<uint8_t>(11, 5)), (V{{5, 0}, {16, 3}, {16, 1}}));
}

}  // namespace
