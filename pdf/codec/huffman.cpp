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
// goes first among equal weights. `weights` has room for a sentinel after the n leaves.
class PackageMerge {
public:
    PackageMerge(uint64_t* weights, size_t n) : weights_(weights), n_(n), selected_(2 * n - 2) {
        weights_[n] = kNoLeaf;
    }

    // Each leaf's code length, at most maxBits.
    void Depths(int maxBits, uint8_t* depth) {
        for (int level = 0; level < maxBits; ++level) {
            if (MergeLevel(level)) {
                RepeatUpTo(level, maxBits);
                break;
            }
        }
        WalkBack(maxBits, depth);
    }

private:
    // Builds level's list; true when every higher list begins as this one, which is all the walk
    // back reads of them: the 2n - 2 cheapest items hold every leaf and weigh what those of the
    // list below weigh, item for item, so the next list's first n - 1 packages weigh what this
    // one's did and its merge takes the same steps.
    bool MergeLevel(int level) {
        uint64_t* list = lists_[level & 1];
        uint16_t* leaves = leavesBefore_[level];
        const size_t size = n_ + belowSize_ / 2;
        const size_t packages = belowSize_ / 2;
        const size_t start = CopySharedSteps(level, list);
        size_t a = leaves[start], b = start - a;
        for (size_t i = start; i < size; ++i) {
            const uint64_t package = b < packages ? below_[2 * b] + below_[2 * b + 1] : kNoPackage;
            if (weights_[a] <= package) {
                list[i] = weights_[a++];
            } else {
                list[i] = package;
                ++b;
            }
            leaves[i + 1] = static_cast<uint16_t>(a);
        }
        listSize_[level] = size;
        leavesAt_[level] = leaves;
        const size_t common = std::min(size, belowSize_);
        const uint64_t* differs = std::mismatch(list + start, list + common, below_ + start).first;
        agree_ = level == 0 ? 0 : static_cast<size_t>(differs - list);
        if (agree_ >= selected_ && leaves[selected_] == n_) return true;
        below_ = list;
        belowSize_ = size;
        return false;
    }

    // The merge takes the steps the one below took as long as the package it weighs is made of
    // items the two lists below share: those steps are copied into level's list, not taken again.
    // Returns how many.
    size_t CopySharedSteps(int level, uint64_t* list) {
        uint16_t* leaves = leavesBefore_[level];
        if (agree_ == 0) {
            leaves[0] = 0;
            return 0;
        }
        const uint16_t* belowLeaves = leavesBefore_[level - 1];
        // Packages both merges weigh alike (the lists below are no shorter than where they agree).
        const size_t shared = agree_ / 2;
        const auto first = std::partition_point(kSteps.begin(), kSteps.begin() + belowSize_,
                                                [&](uint16_t i) { return size_t{i} - belowLeaves[i] < shared; });
        const auto start = static_cast<size_t>(first - kSteps.begin());
        std::copy(belowLeaves, belowLeaves + start + 1, leaves);
        if (start > agree_) std::copy(below_ + agree_, below_ + start, list + agree_);
        return start;
    }

    // The lists above `level` up to maxBits, as far as the walk back reads them.
    void RepeatUpTo(int level, int maxBits) {
        for (int up = level + 1; up < maxBits; ++up) {
            listSize_[up] = n_ + listSize_[up - 1] / 2;
            leavesAt_[up] = leavesAt_[level];
        }
    }

    // From the top list down: a selected package selects its two children in the list below.
    void WalkBack(int maxBits, uint8_t* depth) const {
        int startsAt[kMaxLeaves + 1] = {};  // leaves 0..m-1 gain a bit: +1 at 0, -1 at m
        size_t take = selected_;
        for (int level = maxBits - 1; level >= 0 && take > 0; --level) {
            const size_t count = std::min(take, listSize_[level]);
            const size_t m = leavesAt_[level][count];
            ++startsAt[0];
            --startsAt[m];
            take = (count - m) * 2;
        }
        int running = 0;
        for (size_t j = 0; j < n_; ++j) depth[j] = static_cast<uint8_t>(running += startsAt[j]);
    }

    uint64_t* weights_;
    size_t n_;
    size_t selected_;
    uint16_t leavesBefore_[kMaxLimit][kListRoom];  // per level and prefix length
    const uint16_t* leavesAt_[kMaxLimit];
    size_t listSize_[kMaxLimit];
    uint64_t lists_[2][kListRoom];
    const uint64_t* below_ = nullptr;
    size_t belowSize_ = 0;
    size_t agree_ = 0;  // leading items the list below shares with the one below it (in this list's buffer)
};

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
    PackageMerge(weights, n).Depths(maxBits, depth);
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
