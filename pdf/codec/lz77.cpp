#include "pdf/codec/lz77.hpp"

#include <algorithm>
#include <bit>
#include <cstring>

namespace folivo::codec {
namespace {

constexpr int kHashBits = 15;
constexpr uint32_t kHashSize = 1u << kHashBits;
constexpr uint32_t kWindow = 32768;  // prev links kept for the last 32768 positions
constexpr int32_t kNone = -1;

uint32_t Prefix3(const uint8_t* p) { return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]; }

uint32_t HashOf(uint32_t prefix) { return (prefix * 2654435761u) >> (32 - kHashBits); }

// Number of equal bytes at a and b, at most limit.
int CommonLength(const uint8_t* a, const uint8_t* b, int limit) {
    int n = 0;
    while (n + 8 <= limit) {
        uint64_t x, y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y) {
            const uint64_t diff = x ^ y;  // the first differing byte comes first in memory order
            constexpr bool kLittle = std::endian::native == std::endian::little;
            const int bit = kLittle ? std::countr_zero(diff) : std::countl_zero(diff);
            return n + bit / 8;
        }
        n += 8;
    }
    while (n < limit && a[n] == b[n]) ++n;
    return n;
}

uint16_t Load16(const uint8_t* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

struct Match {
    int length = 0;
    int distance = 0;
};

// The index of three-byte prefixes: the most recent position of each hashed prefix, and per
// position the previous one with the same hash.
class MatchFinder {
public:
    MatchFinder(std::span<const uint8_t> input, const LevelRow& row)
        : data_(input.data()), size_(static_cast<int32_t>(input.size())), row_(row),
          head_(kHashSize, kNone), prev_(kWindow, 0) {}

    // Records every position below end that has three bytes to key on.
    void InsertUpTo(int32_t end) {
        end = std::min(end, size_ - 2);
        for (; inserted_ < end; ++inserted_) {
            uint32_t h = HashOf(Prefix3(data_ + inserted_));
            const int32_t older = head_[h];
            const int32_t gap = older == kNone ? 0 : std::min(inserted_ - older, int32_t{0xFFFF});
            prev_[inserted_ & (kWindow - 1)] = static_cast<uint16_t>(gap);
            head_[h] = inserted_;
        }
    }

    // Longest earlier match at pos that is longer than `atLeast` (0 when there is none). After a
    // match of `good` bytes or more the chain is cut to a quarter, as that match is kept anyway.
    Match Longest(int32_t pos, int atLeast) const {
        const int limit = std::min(kMaxMatch, size_ - pos);
        Match best{std::max(atLeast, kMinMatch - 1), 0};
        if (limit <= best.length) return {};
        const uint8_t* here = data_ + pos;
        const uint32_t prefix = Prefix3(here);
        int chain = atLeast >= row_.good ? std::max(1, row_.chain >> 2) : row_.chain;
        uint16_t scanEnd = Load16(here + best.length - 1);
        int32_t cand = head_[HashOf(prefix)];
        while (cand != kNone && pos - cand <= kMaxDistance) {
            const uint8_t* there = data_ + cand;
            // Only a candidate that agrees at the current best length can beat it.
            if (Load16(there + best.length - 1) == scanEnd && Prefix3(there) == prefix) {
                const int len = kMinMatch + CommonLength(there + kMinMatch, here + kMinMatch, limit - kMinMatch);
                if (len > best.length) {
                    best = {len, pos - cand};
                    if (len >= row_.nice || len == limit) break;
                    scanEnd = Load16(here + best.length - 1);
                }
            }
            if (--chain <= 0) break;
            const uint16_t gap = prev_[cand & (kWindow - 1)];
            if (gap == 0) break;  // no older position with this hash
            cand -= gap;          // a link overwritten by a newer position points beyond reach
        }
        return best.distance == 0 ? Match{} : best;
    }

private:
    const uint8_t* data_;
    int32_t size_;
    LevelRow row_;
    std::vector<int32_t> head_;
    std::vector<uint16_t> prev_;  // per position: how far back the previous one with its hash is
    int32_t inserted_ = 0;
};

class TokenSink {
public:
    explicit TokenSink(Lz77Result& result) : r_(result) {}
    void Literal(uint8_t byte) {
        r_.tokens.push_back({byte, 0});
        ++r_.litLenFreq[byte];
    }
    void Pair(const Match& m) {
        r_.tokens.push_back({static_cast<uint16_t>(m.length), static_cast<uint16_t>(m.distance)});
        ++r_.litLenFreq[257 + kLengthCodeOf[m.length]];
        ++r_.distFreq[DistanceCode(static_cast<uint32_t>(m.distance))];
    }

private:
    Lz77Result& r_;
};

}  // namespace

Lz77Result FindMatches(std::span<const uint8_t> input, const LevelRow& row) {
    Lz77Result result;
    result.tokens.reserve(input.size() / 3 + 16);
    TokenSink sink(result);
    MatchFinder finder(input, row);
    const int32_t size = static_cast<int32_t>(input.size());
    int32_t pos = 0;
    while (pos < size) {
        finder.InsertUpTo(pos);
        Match match = finder.Longest(pos, 0);
        // Lazy evaluation: a short match gives way to a longer one starting a byte later.
        while (match.length >= kMinMatch && match.length < row.lazy && pos + 1 < size) {
            finder.InsertUpTo(pos + 1);
            Match next = finder.Longest(pos + 1, match.length);
            if (next.length <= match.length) break;
            sink.Literal(input[pos]);
            ++pos;
            match = next;
        }
        if (match.length >= kMinMatch) {
            sink.Pair(match);
            pos += match.length;
        } else {
            sink.Literal(input[pos]);
            ++pos;
        }
    }
    ++result.litLenFreq[kEndOfBlock];
    return result;
}

}  // namespace folivo::codec
