#include "pdf/codec/lz77.hpp"

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "pdf/codec/byte_order.hpp"

namespace folivo::codec {
namespace {

constexpr size_t kKeptTokens = size_t{1} << 18;  // a token buffer larger than this is given back
constexpr int kDeepChain = 128;                  // rows walking this many candidates take the deep index

uint32_t Prefix3(const uint8_t* p) { return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]; }

// The first four bytes, the first the highest (one byte-swapped load).
uint32_t Prefix4(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

uint32_t HashOf(uint32_t prefix) { return (prefix * 2654435761u) >> (32 - Lz77Scratch::kHashBits); }

uint32_t Load32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

uint64_t Load64(const uint8_t* p) {
    uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

// Number of equal bytes at a and b, at most limit: sixteen bytes a step where the vector unit
// has them, then eight, then one.
int CommonLength(const uint8_t* a, const uint8_t* b, int limit) {
    int n = 0;
#if defined(__SSE2__)
    for (; n + 16 <= limit; n += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + n));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + n));
        const unsigned differ = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, y))) ^ 0xFFFFu;
        if (differ != 0) return n + std::countr_zero(differ);
    }
#endif
    while (n + 8 <= limit) {
        const uint64_t diff = LoadLittleEndian64(a + n) ^ LoadLittleEndian64(b + n);
        if (diff != 0) return n + std::countr_zero(diff) / 8;  // the first differing byte is the lowest
        n += 8;
    }
    while (n < limit && a[n] == b[n]) ++n;
    return n;
}

struct Match {
    int length = 0;
    int distance = 0;
};

// Searches the index of three-byte prefixes (positions are numbered as the scratch gives them
// out). A position is recorded just before it is searched from, so that one hash and one head
// load serve both.
template <typename Index>
class MatchFinder {
public:
    MatchFinder(std::span<const uint8_t> input, const LevelRow& row, const Index& index)
        : data_(input.data()), size_(static_cast<int32_t>(input.size())), row_(row), head_(index.head),
          links_(index.links), first_(index.first) {}

    // Records every position from the last recorded one up to pos, pos included, and searches from
    // pos: the longest earlier match longer than `atLeast` (0 when there is none). After a match of
    // `good` bytes or more the chain is cut to a quarter, as that match is kept anyway.
    Match InsertAndSearch(int32_t pos, int atLeast) {
        const int limit = std::min(kMaxMatch, size_ - pos);
        if (limit < kMinMatch) return {};  // no three bytes to key on, nothing to record
        InsertBelow(pos);
        const uint32_t number = first_ + static_cast<uint32_t>(pos);
        const uint32_t prefix = Prefix3(data_ + pos);
        uint32_t cand = Insert(HashOf(prefix), number);
        inserted_ = pos + 1;
        Search s(data_, pos, first_, limit, std::max(atLeast, kMinMatch - 1));
        if (limit <= s.bestLength) return {};
        int chain = atLeast >= row_.good ? std::max(1, row_.chain >> 2) : row_.chain;
        // Candidates come most recent first; the first one out of reach ends the walk. One load
        // of a candidate's links gives the next kDepth candidates.
        while (InReach(number, cand)) {
            const Link link = links_[cand & Index::kLinkMask];
            if (s.Try(cand, number - cand, row_.nice) || --chain == 0) break;
            for (int i = 0; i + 1 < Index::kDepth; ++i) {
                if (!InReach(number, link[i])) return Result(s);
                if (s.Try(link[i], number - link[i], row_.nice) || --chain == 0) return Result(s);
            }
            cand = link[Index::kDepth - 1];
        }
        return Result(s);
    }

private:
    using Number = std::remove_pointer_t<decltype(Index::head)>;
    using Link = typename Index::Link;
    struct Search;

    static Match Result(const Search& s) {
        return s.bestDistance == 0 ? Match{} : Match{s.bestLength, static_cast<int>(s.bestDistance)};
    }

    // Whether the position numbered cand is a candidate for the one numbered number: no more than
    // the longest distance back. A stream the 16-bit index takes is shorter than that distance,
    // so there only numbers below the stream's first, left by earlier streams, are out of reach.
    bool InReach(uint32_t number, uint32_t cand) const {
        if constexpr (sizeof(Number) == 2) return cand >= first_;
        return number - cand <= static_cast<uint32_t>(kMaxDistance);
    }

    // Makes `number` the most recent position of its hash; returns the one it displaces.
    uint32_t Insert(uint32_t hash, uint32_t number) {
        Number& head = head_[hash];
        const Number previous = head;
        // A link out of the window (or to an earlier stream) is never followed: the walk stops at
        // the first candidate out of reach.
        const Link& older = links_[previous & Index::kLinkMask];
        Link& link = links_[number & Index::kLinkMask];
        for (int i = Index::kDepth - 1; i > 0; --i) link[i] = older[i - 1];
        link[0] = previous;
        head = static_cast<Number>(number);
        return previous;
    }

    // Records the positions not yet recorded below end (all of them have three bytes to key on).
    void InsertBelow(int32_t end) {
        if (inserted_ >= end) return;
        uint32_t number = first_ + static_cast<uint32_t>(inserted_);
        const uint8_t* p = data_ + inserted_;
        const uint8_t* const stop = data_ + end;
        // Four positions from one eight-byte load, the first byte highest, where the load stays
        // inside the input; then four bytes a position (end is at most size - 3 here).
        for (const uint8_t* stopFours = data_ + std::min(end, size_ - 7) - 3; p < stopFours; p += 4) {
            const uint64_t word = LoadBigEndian64(p);
            Insert(HashOf(static_cast<uint32_t>(word >> 40)), number);
            Insert(HashOf(static_cast<uint32_t>(word >> 32) & 0xFFFFFF), number + 1);
            Insert(HashOf(static_cast<uint32_t>(word >> 24) & 0xFFFFFF), number + 2);
            Insert(HashOf(static_cast<uint32_t>(word >> 16) & 0xFFFFFF), number + 3);
            number += 4;
        }
        for (; p < stop; ++p) Insert(HashOf(Prefix4(p) >> 8), number++);
        inserted_ = end;
    }

    // The best match so far for one position. A candidate is first judged by whether the bytes up
    // to index bestLength can all be equal, by the last few of them; the full comparison follows
    // when they agree. From seven bytes on, here's last eight are kept in a register.
    struct Search {
        Search(const uint8_t* data, int32_t pos, uint32_t first, int limit, int atLeast)
            : data(data), here(data + pos), first(first), limit(limit), bestLength(atLeast) {
            KeepTail();
        }

        // Takes the candidate numbered cand when it is strictly longer; true when the search can stop.
        bool Try(uint32_t cand, uint32_t distance, int nice) {
            if (bestLength >= 7) {
                // Most candidates differ in the last eight bytes: that exit is laid out first.
                if (Load64(data + static_cast<uint32_t>(cand + tailIndex)) != tail) [[likely]] return false;
            } else if (!ShortEndsAgree(data + (cand - first))) {
                return false;
            }
            const int length = CommonLength(data + (cand - first), here, limit);
            if (length <= bestLength) return false;
            bestLength = length;
            bestDistance = distance;
            KeepTail();
            return length >= nice || length == limit;
        }

        void KeepTail() {
            if (bestLength < 7 || bestLength >= limit) return;
            tail = Load64(here + bestLength - 7);
            tailIndex = static_cast<uint32_t>(bestLength - 7) - first;  // a candidate's number + this: its tail
        }

        bool ShortEndsAgree(const uint8_t* there) const {
            if (bestLength >= 3) return Load32(there + bestLength - 3) == Load32(here + bestLength - 3);
            return Prefix3(there) == Prefix3(here);
        }

        const uint8_t* data;
        const uint8_t* here;
        uint32_t first;
        int limit;
        int bestLength;
        uint32_t bestDistance = 0;
        uint64_t tail = 0;
        uint32_t tailIndex = 0;
    };

    const uint8_t* data_;
    int32_t size_;
    LevelRow row_;
    Number* head_;
    Link* links_;
    uint32_t first_;
    int32_t inserted_ = 0;
};

class TokenSink {
public:
    TokenSink(Lz77Result& result, Lz77Token* tokens) : r_(result), tokens_(tokens) {}
    void Literal(uint8_t byte) {
        tokens_[count_++] = {byte, 0};
        ++r_.litLenFreq[byte];
    }
    void Pair(const Match& m) {
        tokens_[count_++] = {static_cast<uint16_t>(m.length), static_cast<uint16_t>(m.distance)};
        ++r_.litLenFreq[257 + kLengthCodeOf[static_cast<size_t>(m.length)]];
        ++r_.distFreq[static_cast<size_t>(DistanceCode(static_cast<uint32_t>(m.distance)))];
    }
    size_t count() const { return count_; }

private:
    Lz77Result& r_;
    Lz77Token* tokens_;
    size_t count_ = 0;
};

}  // namespace

// The 16-bit tables are made uncleared, as the first stream clears what it reads (a document
// compressing one stream, as a one-shot call does, saves clearing them twice); the 32-bit ones
// start cleared.
template <typename Kind>
struct Lz77Scratch::Tables {
    using Number = std::remove_pointer_t<decltype(Kind::head)>;
    using Link = typename Kind::Link;
    static constexpr bool kCleared = sizeof(Number) > 2;
    std::unique_ptr<Number[]> head = kCleared ? std::make_unique<Number[]>(kHashSize)
                                              : std::make_unique_for_overwrite<Number[]>(kHashSize);
    static constexpr size_t kLinks = size_t{Kind::kLinkMask} + 1;
    std::unique_ptr<Link[]> links = kCleared ? std::make_unique<Link[]>(kLinks)
                                             : std::make_unique_for_overwrite<Link[]>(kLinks);
};

Lz77Scratch::Lz77Scratch() = default;
Lz77Scratch::~Lz77Scratch() = default;
Lz77Scratch::Lz77Scratch(Lz77Scratch&&) noexcept = default;
Lz77Scratch& Lz77Scratch::operator=(Lz77Scratch&&) noexcept = default;

Lz77Scratch::SmallIndex Lz77Scratch::StartSmallStream(size_t size) {
    if (!small_) small_ = std::make_unique<Tables<SmallIndex>>();
    // Streams are numbered on from 1 until the numbers would pass 16 bits; then the index starts
    // afresh. 0 is no position.
    if (nextSmall_ + size > 0x10000) {
        std::fill_n(small_->head.get(), kHashSize, uint16_t{0});
        small_->links[0] = {};  // read, never followed, by deeper links when a position is the first of its hash
        nextSmall_ = 1;
    }
    const uint32_t first = nextSmall_;
    nextSmall_ += static_cast<uint32_t>(size);
    return {small_->head.get(), small_->links.get(), first};
}

// Both 32-bit indexes number on from next_, so neither holds a number in reach of a later stream.
template <typename Large>
Large Lz77Scratch::StartLargeStream(size_t size) {
    auto& tables = [this]() -> auto& {
        if constexpr (std::is_same_v<Large, DeepIndex>) return deep_;
        else return large_;
    }();
    if (!tables) tables = std::make_unique<Tables<Large>>();
    // Numbers must stay below 2^32; when they would not, the indexes start afresh.
    if (size + kWindow > UINT32_MAX - next_) {
        if (large_) std::fill_n(large_->head.get(), kHashSize, 0u);
        if (deep_) std::fill_n(deep_->head.get(), kHashSize, 0u);
        next_ = kWindow;
    }
    const uint32_t first = next_;
    next_ += static_cast<uint32_t>(size) + kWindow;
    return {tables->head.get(), tables->links.get(), first};
}

Lz77Token* Lz77Scratch::Tokens(size_t count) {
    if (count > tokenRoom_) {
        tokens_.reset(new Lz77Token[count]);
        tokenRoom_ = count;
    }
    return tokens_.get();
}

void Lz77Scratch::Trim() {
    if (tokenRoom_ <= kKeptTokens) return;
    tokens_.reset();
    tokenRoom_ = 0;
}

namespace {

template <typename Index>
Lz77Result Parse(std::span<const uint8_t> input, const LevelRow& row, const Index& index, Lz77Token* tokens) {
    Lz77Result result;
    TokenSink sink(result, tokens);
    MatchFinder<Index> finder(input, row, index);
    const int32_t size = static_cast<int32_t>(input.size());
    int32_t pos = 0;
    // Lazy evaluation: a match shorter than row.lazy stays pending while the search one byte later
    // finds a longer one, each such step giving the pending match's first byte as a literal.
    Match pending;
    while (pos < size) {
        const Match match = finder.InsertAndSearch(pos, pending.length);
        if (pending.length >= kMinMatch) {
            if (match.length == 0) {  // nothing longer here: the pending match, from the byte before, stands
                sink.Pair(pending);
                pos += pending.length - 1;
                pending = {};
                continue;
            }
            sink.Literal(input[static_cast<size_t>(pos - 1)]);
        }
        if (match.length >= row.lazy) {
            sink.Pair(match);
            pos += match.length;
            pending = {};
        } else if (match.length >= kMinMatch) {
            pending = match;
            ++pos;
        } else {
            sink.Literal(input[static_cast<size_t>(pos)]);
            ++pos;
        }
    }
    ++result.litLenFreq[kEndOfBlock];
    result.tokens = {tokens, sink.count()};
    return result;
}

}  // namespace

Lz77Result FindMatches(std::span<const uint8_t> input, const LevelRow& row, Lz77Scratch& scratch) {
    Lz77Token* tokens = scratch.Tokens(input.size());
    if (input.size() <= Lz77Scratch::kSmallStream) {
        return Parse(input, row, scratch.StartSmallStream(input.size()), tokens);
    }
    if (row.chain >= kDeepChain) {
        return Parse(input, row, scratch.StartLargeStream<Lz77Scratch::DeepIndex>(input.size()), tokens);
    }
    return Parse(input, row, scratch.StartLargeStream<Lz77Scratch::LargeIndex>(input.size()), tokens);
}

}  // namespace folivo::codec
