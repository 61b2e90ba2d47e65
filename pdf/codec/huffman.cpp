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

// Package-merge over leaf weights in ascending order: level l's list merges the leaves with the
// pairs of level l - 1's list, and each of the 2n - 2 cheapest items of the top list adds one bit
// to every leaf it contains. Leaves enter every list in order, so a list is described enough by
// its weights (for the pairs above it) and by how many leaves each of its prefixes holds.
std::vector<int> PackageMergeDepths(const std::vector<uint64_t>& weights, int maxBits) {
    const size_t n = weights.size();
    const size_t width = 2 * n + 1;
    std::vector<uint16_t> leavesBefore(static_cast<size_t>(maxBits) * width);  // per level and prefix length
    std::vector<size_t> listSize(static_cast<size_t>(maxBits));
    std::vector<uint64_t> below(2 * n), list(2 * n);
    size_t belowSize = 0;
    for (int level = 0; level < maxBits; ++level) {
        uint16_t* leaves = &leavesBefore[static_cast<size_t>(level) * width];
        const size_t packages = belowSize / 2;
        size_t a = 0, b = 0, i = 0;
        leaves[0] = 0;
        while (a < n || b < packages) {
            const uint64_t packageWeight = b < packages ? below[2 * b] + below[2 * b + 1] : 0;
            if (b >= packages || (a < n && weights[a] <= packageWeight)) {
                list[i] = weights[a++];
            } else {
                list[i] = packageWeight;
                ++b;
            }
            leaves[++i] = static_cast<uint16_t>(a);
        }
        listSize[static_cast<size_t>(level)] = i;
        std::swap(below, list);
        belowSize = i;
    }
    // Walk back from the top list: a selected package selects its two children in the list below.
    std::vector<int> startsAt(n + 1, 0);  // leaves 0..m-1 gain a bit: +1 at 0, -1 at m
    size_t take = 2 * n - 2;
    for (int level = maxBits - 1; level >= 0 && take > 0; --level) {
        const size_t count = std::min(take, listSize[static_cast<size_t>(level)]);
        const size_t m = leavesBefore[static_cast<size_t>(level) * width + count];
        ++startsAt[0];
        --startsAt[m];
        take = (count - m) * 2;
    }
    std::vector<int> depth(n);
    int running = 0;
    for (size_t j = 0; j < n; ++j) depth[j] = running += startsAt[j];
    return depth;
}

}  // namespace

std::vector<uint8_t> LimitedCodeLengths(std::span<const uint32_t> freqs, int maxBits, int minCodes) {
    // Leaves as weight and order of entry, so that sorting keeps equal weights in entry order.
    std::vector<uint16_t> symbols;
    std::vector<uint64_t> keys;
    for (size_t s = 0; s < freqs.size(); ++s)
        if (freqs[s] > 0) {
            keys.push_back(uint64_t{freqs[s]} << 32 | symbols.size());
            symbols.push_back(static_cast<uint16_t>(s));
        }
    for (size_t s = 0; s < freqs.size() && symbols.size() < static_cast<size_t>(minCodes); ++s)
        if (freqs[s] == 0) {
            keys.push_back(uint64_t{1} << 32 | symbols.size());
            symbols.push_back(static_cast<uint16_t>(s));
        }
    if (symbols.size() > (size_t{1} << maxBits)) throw std::logic_error("too many symbols for code length limit");
    std::vector<uint8_t> lengths(freqs.size(), 0);
    if (symbols.empty()) return lengths;
    if (symbols.size() == 1) {
        lengths[symbols[0]] = 1;
        return lengths;
    }
    std::sort(keys.begin(), keys.end());
    std::vector<uint64_t> weights(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) weights[i] = keys[i] >> 32;
    const std::vector<int> depth = PackageMergeDepths(weights, maxBits);
    for (size_t i = 0; i < keys.size(); ++i) lengths[symbols[keys[i] & 0xFFFF]] = static_cast<uint8_t>(depth[i]);
    return lengths;
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
        const uint16_t c = next[len]++;
        // The 16-bit reversal by bytes, then shifted down to the code's length.
        const uint32_t reversed = uint32_t{kReversedByte[c & 0xFF]} << 8 | kReversedByte[c >> 8];
        codes[s] = static_cast<uint16_t>(reversed >> (16 - len));
    }
    return codes;
}

}  // namespace folivo::codec
