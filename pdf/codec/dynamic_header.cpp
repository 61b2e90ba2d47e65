#include "pdf/codec/dynamic_header.hpp"

#include <algorithm>

#include "pdf/codec/huffman.hpp"

namespace folivo::codec {
namespace {

constexpr std::array<uint8_t, kCodeLenSymbols> kCodeLenExtraBits{0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                 0, 0, 0, 0, 0, 0, 2, 3, 7};

// The optimal code of at most maxBits bits for the first `symbols` entries of freqs.
void MakeCode(const uint32_t* freqs, size_t symbols, int maxBits, int minCodes, HuffmanCode& code) {
    const std::span<uint8_t> lengths(code.lengths.data(), symbols);
    LimitedCodeLengths({freqs, symbols}, maxBits, minCodes, lengths);
    if (minCodes == 0 && std::all_of(lengths.begin(), lengths.end(), [](uint8_t len) { return len == 0; }))
        lengths[0] = 1;  // no symbol used: one code of length 1
    CanonicalCodes(lengths, {code.codes.data(), symbols});
}

// Number of codes to send: up to the last non-zero length, at least `minimum`.
int UsedPrefix(const uint8_t* lengths, int count, int minimum) {
    int n = count;
    while (n > minimum && lengths[n - 1] == 0) --n;
    return n;
}

void EmitRepeated(uint8_t length, int count, std::vector<CodeLengthItem>& items) {
    for (int i = 0; i < count; ++i) items.push_back({length, 0});
}

}  // namespace

void AppendCodeLengthRuns(const uint8_t* lengths, int count, std::vector<CodeLengthItem>& items) {
    int previous = -1;
    int i = 0;
    while (i < count) {
        const uint8_t current = lengths[i];
        int run = 1;
        while (i + run < count && lengths[i + run] == current) ++run;
        i += run;
        int left = run;
        if (current == 0) {
            while (left >= 3) {
                int n = left > 138 ? 138 : left;
                if (n <= 10)
                    items.push_back({17, static_cast<uint8_t>(n - 3)});
                else
                    items.push_back({18, static_cast<uint8_t>(n - 11)});
                left -= n;
            }
            EmitRepeated(0, left, items);
        } else {
            if (current != previous) {
                items.push_back({current, 0});
                --left;
            }
            while (left >= 3) {
                int n = left > 6 ? 6 : left;
                items.push_back({16, static_cast<uint8_t>(n - 3)});
                left -= n;
            }
            EmitRepeated(current, left, items);
        }
        previous = current;
    }
}

DynamicHeader BuildDynamicHeader(const std::array<uint32_t, kLitLenSymbols>& litLenFreq,
                                 const std::array<uint32_t, kDistSymbols>& distFreq) {
    DynamicHeader h;
    MakeCode(litLenFreq.data(), kLitLenSymbols, 15, 2, h.litLen);
    MakeCode(distFreq.data(), kDistSymbols, 15, 0, h.dist);
    h.hlit = UsedPrefix(h.litLen.lengths.data(), kLitLenSymbols, 257);
    h.hdist = UsedPrefix(h.dist.lengths.data(), kDistSymbols, 1);

    h.items.reserve(kLitLenSymbols + kDistSymbols);
    AppendCodeLengthRuns(h.litLen.lengths.data(), h.hlit, h.items);
    AppendCodeLengthRuns(h.dist.lengths.data(), h.hdist, h.items);
    std::array<uint32_t, kCodeLenSymbols> clFreq{};
    for (const auto& item : h.items) ++clFreq[item.symbol];
    MakeCode(clFreq.data(), kCodeLenSymbols, 7, 2, h.codeLen);

    std::array<uint8_t, kCodeLenSymbols> ordered;
    for (size_t i = 0; i < ordered.size(); ++i) ordered[i] = h.codeLen.lengths[kCodeLengthOrder[i]];
    h.hclen = UsedPrefix(ordered.data(), kCodeLenSymbols, 4);

    h.bits = 5 + 5 + 4 + 3 * static_cast<uint64_t>(h.hclen);
    for (const auto& item : h.items) h.bits += h.codeLen.lengths[item.symbol] + kCodeLenExtraBits[item.symbol];
    return h;
}

void WriteDynamicHeader(BitWriter& out, const DynamicHeader& h) {
    out.Put(static_cast<uint32_t>(h.hlit - 257), 5);
    out.Put(static_cast<uint32_t>(h.hdist - 1), 5);
    out.Put(static_cast<uint32_t>(h.hclen - 4), 4);
    for (int i = 0; i < h.hclen; ++i) out.Put(h.codeLen.lengths[kCodeLengthOrder[static_cast<size_t>(i)]], 3);
    for (const auto& item : h.items) {
        out.Put(h.codeLen.codes[item.symbol], h.codeLen.lengths[item.symbol]);
        if (kCodeLenExtraBits[item.symbol] > 0) out.Put(item.extra, kCodeLenExtraBits[item.symbol]);
    }
}

}  // namespace folivo::codec
