#include "pdf/codec/huffman.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace folivo::codec {
namespace {

constexpr auto kReversedByte = [] {
    std::array<uint8_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        for (int i = 0; i < 8; ++i)
            if (b & (1 << i)) table[static_cast<size_t>(b)] |= static_cast<uint8_t>(0x80 >> i);
    return table;
}();

constexpr size_t kMaxLeaves = 288;
constexpr int kMaxLimit = 15;
constexpr size_t kListRoom = 2 * kMaxLeaves + 2;  // a list and the sentinels after it
constexpr uint64_t kNoLeaf = UINT64_MAX;         // after the last leaf: heavier than any package
constexpr uint64_t kNoPackage = UINT64_MAX / 2;  // after the last package: heavier than any leaf

// 0, 1, 2, ...: the positions of a list, for searching them.
constexpr auto kSteps = [] {
    std::array<uint16_t, kListRoom> steps{};
    for (size_t i = 0; i < steps.size(); ++i) steps[i] = static_cast<uint16_t>(i);
    return steps;
}();

// Package-merge over leaf weights in ascending order: level l's list merges the leaves with the
// pairs of level l - 1's list, and each of the 2n - 2 cheapest items of the top list adds one bit
// to every leaf it contains. Leaves enter every list in order, so a list is described enough by
// its weights (for the pairs above it) and by how many leaves each of its prefixes holds. A leaf
// goes first among equal weights. `weights` has room for a sentinel after the n leaves; `depth`
// receives each leaf's code length.
void PackageMergeDepths(uint64_t* weights, size_t n, int maxBits, uint8_t* depth) {
    uint16_t leavesBefore[kMaxLimit][kListRoom];  // per level and prefix length
    const uint16_t* leavesAt[kMaxLimit];
    size_t listSize[kMaxLimit];
    uint64_t lists[2][kListRoom];
    weights[n] = kNoLeaf;
    const size_t selected = 2 * n - 2;
    const uint64_t* below = nullptr;
    size_t belowSize = 0;
    size_t agree = 0;  // leading items the list below shares with the one below it (in this list's buffer)
    for (int level = 0; level < maxBits; ++level) {
        uint64_t* list = lists[level & 1];
        uint16_t* leaves = leavesBefore[level];
        const size_t size = n + belowSize / 2;
        const size_t packages = belowSize / 2;
        // The merge takes the steps the one below took as long as the package it weighs is made
        // of items the two lists below share: those steps are copied, not taken again.
        size_t start = 0;
        if (agree > 0) {
            const uint16_t* belowLeaves = leavesBefore[level - 1];
            // Packages both merges weigh alike (the lists below are no shorter than where they agree).
            const size_t shared = agree / 2;
            const auto first = std::partition_point(kSteps.begin(), kSteps.begin() + belowSize,
                                                    [&](uint16_t i) { return size_t{i} - belowLeaves[i] < shared; });
            start = static_cast<size_t>(first - kSteps.begin());
            std::copy(belowLeaves, belowLeaves + start + 1, leaves);
            if (start > agree) std::copy(below + agree, below + start, list + agree);
        } else {
            leaves[0] = 0;
        }
        size_t a = leaves[start], b = start - a;
        for (size_t i = start; i < size; ++i) {
            const uint64_t package = b < packages ? below[2 * b] + below[2 * b + 1] : kNoPackage;
            if (weights[a] <= package) {
                list[i] = weights[a++];
            } else {
                list[i] = package;
                ++b;
            }
            leaves[i + 1] = static_cast<uint16_t>(a);
        }
        listSize[level] = size;
        leavesAt[level] = leaves;
        const size_t common = std::min(size, belowSize);
        agree = level == 0 ? 0 : static_cast<size_t>(std::mismatch(list + start, list + common, below + start).first - list);
        // When the 2n - 2 cheapest items hold every leaf and weigh what those of the list below
        // weigh, item for item, the next list's first n - 1 packages weigh what this one's did, so
        // its merge takes the same steps: every higher list begins as this one, which is all the
        // walk back reads of them.
        if (agree >= selected && leaves[selected] == n) {
            for (int up = level + 1; up < maxBits; ++up) {
                listSize[up] = n + listSize[up - 1] / 2;
                leavesAt[up] = leaves;
            }
            break;
        }
        below = list;
        belowSize = size;
    }
    // Walk back from the top list: a selected package selects its two children in the list below.
    int startsAt[kMaxLeaves + 1] = {};  // leaves 0..m-1 gain a bit: +1 at 0, -1 at m
    size_t take = 2 * n - 2;
    for (int level = maxBits - 1; level >= 0 && take > 0; --level) {
        const size_t count = std::min(take, listSize[level]);
        const size_t m = leavesAt[level][count];
        ++startsAt[0];
        --startsAt[m];
        take = (count - m) * 2;
    }
    int running = 0;
    for (size_t j = 0; j < n; ++j) depth[j] = static_cast<uint8_t>(running += startsAt[j]);
}

}  // namespace

void LimitedCodeLengths(std::span<const uint32_t> freqs, int maxBits, int minCodes, std::span<uint8_t> lengths) {
    if (freqs.size() > kMaxLeaves || maxBits > kMaxLimit || lengths.size() != freqs.size())
        throw std::logic_error("Huffman code larger than the tables");
    // Leaves as weight and order of entry, so that sorting keeps equal weights in entry order.
    uint16_t symbols[kMaxLeaves];
    uint64_t keys[kMaxLeaves];
    size_t n = 0;
    for (size_t s = 0; s < freqs.size(); ++s)
        if (freqs[s] > 0) {
            keys[n] = uint64_t{freqs[s]} << 32 | n;
            symbols[n++] = static_cast<uint16_t>(s);
        }
    for (size_t s = 0; s < freqs.size() && n < static_cast<size_t>(minCodes); ++s)
        if (freqs[s] == 0) {
            keys[n] = uint64_t{1} << 32 | n;
            symbols[n++] = static_cast<uint16_t>(s);
        }
    if (n > (size_t{1} << maxBits)) throw std::logic_error("too many symbols for code length limit");
    std::fill(lengths.begin(), lengths.end(), uint8_t{0});
    if (n == 0) return;
    if (n == 1) {
        lengths[symbols[0]] = 1;
        return;
    }
    std::sort(keys, keys + n);
    uint64_t weights[kMaxLeaves + 1];
    for (size_t i = 0; i < n; ++i) weights[i] = keys[i] >> 32;
    uint8_t depth[kMaxLeaves];
    PackageMergeDepths(weights, n, maxBits, depth);
    for (size_t i = 0; i < n; ++i) lengths[symbols[keys[i] & 0xFFFF]] = depth[i];
}

void CanonicalCodes(std::span<const uint8_t> lengths, std::span<uint16_t> codes) {
    // Four counts taken in turn, so that a run of one length (unused symbols, mostly) does not
    // make each increment wait for the one before.
    std::array<std::array<uint16_t, 17>, 4> counts{};
    for (size_t s = 0; s < lengths.size(); ++s) ++counts[s & 3][lengths[s]];
    std::array<uint16_t, 17> countOf{};
    for (int bits = 1; bits <= 16; ++bits)
        countOf[bits] = static_cast<uint16_t>(counts[0][bits] + counts[1][bits] + counts[2][bits] + counts[3][bits]);
    std::array<uint16_t, 17> next{};
    uint16_t code = 0;
    for (int bits = 1; bits <= 16; ++bits) {
        code = static_cast<uint16_t>((code + countOf[bits - 1]) << 1);
        next[bits] = code;
    }
    for (size_t s = 0; s < lengths.size(); ++s) {
        const int len = lengths[s];
        codes[s] = 0;
        if (len == 0) continue;
        const uint16_t c = next[len]++;
        // The 16-bit reversal by bytes, then shifted down to the code's length.
        const uint32_t reversed = uint32_t{kReversedByte[c & 0xFF]} << 8 | kReversedByte[c >> 8];
        codes[s] = static_cast<uint16_t>(reversed >> (16 - len));
    }
}

}  // namespace folivo::codec
