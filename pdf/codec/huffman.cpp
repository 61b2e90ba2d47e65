#include "pdf/codec/huffman.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace folivo::codec {
namespace {

struct Leaf {
    uint64_t weight;
    uint16_t symbol;
};

// One item of a package-merge list: a leaf, or a package of two neighbouring items of the list below.
struct Item {
    uint64_t weight;
    int32_t leafIndex;  // -1 for a package
};

// Package-merge: each of the 2n - 2 cheapest items of the final list adds one bit to every leaf
// it contains. Level l's list merges the leaves with the pairs of level l - 1's list; the lists
// are stored one after another in one buffer (at most 2n items each).
std::vector<uint8_t> PackageMerge(const std::vector<Leaf>& leaves, int maxBits, size_t symbols) {
    const size_t n = leaves.size();
    std::vector<Item> items;
    items.reserve(static_cast<size_t>(maxBits) * 2 * n);
    std::vector<size_t> begin(static_cast<size_t>(maxBits) + 1, 0);
    for (int level = 0; level < maxBits; ++level) {
        const size_t prevBegin = level > 0 ? begin[static_cast<size_t>(level - 1)] : 0;
        const size_t packages = level > 0 ? (begin[static_cast<size_t>(level)] - prevBegin) / 2 : 0;
        size_t a = 0, b = 0;
        while (a < n || b < packages) {
            const uint64_t packageWeight =
                b < packages ? items[prevBegin + 2 * b].weight + items[prevBegin + 2 * b + 1].weight : 0;
            if (b >= packages || (a < n && leaves[a].weight <= packageWeight)) {
                items.push_back({leaves[a].weight, static_cast<int32_t>(a)});
                ++a;
            } else {
                items.push_back({packageWeight, -1});
                ++b;
            }
        }
        begin[static_cast<size_t>(level) + 1] = items.size();
    }
    // Walk back from the top list: the first 2n - 2 items are selected; a selected package
    // selects its two children in the list below.
    std::vector<uint8_t> lengths(symbols, 0);
    size_t take = 2 * n - 2;
    for (int level = maxBits - 1; level >= 0 && take > 0; --level) {
        const size_t first = begin[static_cast<size_t>(level)];
        const size_t count = std::min(take, begin[static_cast<size_t>(level) + 1] - first);
        size_t packagesTaken = 0;
        for (size_t i = first; i < first + count; ++i) {
            if (items[i].leafIndex >= 0)
                ++lengths[leaves[static_cast<size_t>(items[i].leafIndex)].symbol];
            else
                ++packagesTaken;
        }
        take = packagesTaken * 2;
    }
    return lengths;
}

}  // namespace

std::vector<uint8_t> LimitedCodeLengths(std::span<const uint32_t> freqs, int maxBits, int minCodes) {
    std::vector<Leaf> leaves;
    for (size_t s = 0; s < freqs.size(); ++s)
        if (freqs[s] > 0) leaves.push_back({freqs[s], static_cast<uint16_t>(s)});
    for (size_t s = 0; s < freqs.size() && leaves.size() < static_cast<size_t>(minCodes); ++s)
        if (freqs[s] == 0) leaves.push_back({1, static_cast<uint16_t>(s)});
    if (leaves.size() > (size_t{1} << maxBits)) throw std::logic_error("too many symbols for code length limit");
    std::vector<uint8_t> lengths(freqs.size(), 0);
    if (leaves.empty()) return lengths;
    if (leaves.size() == 1) {
        lengths[leaves[0].symbol] = 1;
        return lengths;
    }
    std::stable_sort(leaves.begin(), leaves.end(),
                     [](const Leaf& x, const Leaf& y) { return x.weight < y.weight; });
    return PackageMerge(leaves, maxBits, freqs.size());
}

std::vector<uint16_t> CanonicalCodes(std::span<const uint8_t> lengths) {
    std::array<uint16_t, 17> countOf{};
    for (uint8_t len : lengths) ++countOf[len];
    countOf[0] = 0;
    std::array<uint16_t, 17> next{};
    uint16_t code = 0;
    for (int bits = 1; bits <= 16; ++bits) {
        code = static_cast<uint16_t>((code + countOf[bits - 1]) << 1);
        next[bits] = code;
    }
    std::vector<uint16_t> codes(lengths.size(), 0);
    for (size_t s = 0; s < lengths.size(); ++s) {
        int len = lengths[s];
        if (len == 0) continue;
        uint16_t c = next[len]++;
        uint16_t reversed = 0;
        for (int i = 0; i < len; ++i) reversed = static_cast<uint16_t>(reversed << 1 | ((c >> i) & 1));
        codes[s] = reversed;
    }
    return codes;
}

}  // namespace folivo::codec
