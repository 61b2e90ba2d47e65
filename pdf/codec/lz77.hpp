#pragma once
// LZ77 pass of the Deflate encoder: the input as literals and length/distance pairs.

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "pdf/codec/deflate_tables.hpp"

namespace folivo::codec {

// One literal (distance 0, value the byte) or one match (value the length 3..258).
struct Lz77Token {
    uint16_t value;
    uint16_t distance;
};

// What the LZ77 pass keeps from one stream to the next, so that a document's many streams neither
// allocate tables nor walk cold memory: the index of three-byte prefixes and the token buffer.
// Streams shorter than the window use a 16-bit index: its positions are numbered on from one
// stream to the next, a number below the stream's first is out of reach, and the index is cleared
// only when its numbers run out. Longer ones use a 32-bit index whose positions are numbered on
// across streams, each stream starting more than a window after the previous one ended, so
// whatever an earlier stream left in it is out of reach.
class Lz77Scratch {
public:
    static constexpr int kHashBits = 15;
    static constexpr uint32_t kHashSize = 1u << kHashBits;
    static constexpr uint32_t kWindow = 32768;  // positions whose links are kept
    static constexpr size_t kSmallStream = kWindow - 1;  // the longest stream the 16-bit index takes

    // The index as one stream sees it: per hash the number of its most recent position, per
    // position number the Depth previous ones with its hash, most recent first. One load then
    // gives the walk that many candidates, but deeper links cost more to record: only rows of long
    // chains on streams longer than the window take them (measured: elsewhere they cost more than
    // they save). The 32-bit index keeps the links of a window's numbers, by number modulo the
    // window; the 16-bit one has a slot for every number, so that no mask is taken.
    template <typename Number, int Depth>
    struct Index {
        static constexpr uint32_t kLinkMask = sizeof(Number) == 2 ? 0xFFFF : kWindow - 1;
        static constexpr int kDepth = Depth;
        using Link = std::array<Number, Depth>;
        Number* head;
        Link* links;
        uint32_t first;  // number of the stream's first position
    };
    using SmallIndex = Index<uint16_t, 1>;
    using LargeIndex = Index<uint32_t, 1>;
    using DeepIndex = Index<uint32_t, 4>;  // for rows of long chains

    Lz77Scratch();
    ~Lz77Scratch();
    Lz77Scratch(Lz77Scratch&&) noexcept;
    Lz77Scratch& operator=(Lz77Scratch&&) noexcept;

    SmallIndex StartSmallStream(size_t size);
    template <typename Large>
    Large StartLargeStream(size_t size);
    // Room for `count` tokens, valid until the next call.
    Lz77Token* Tokens(size_t count);
    // Gives back a token buffer grown by a large stream.
    void Trim();

private:
    template <typename Kind>  // one of the Index types
    struct Tables;
    std::unique_ptr<Tables<SmallIndex>> small_;  // made on first use
    std::unique_ptr<Tables<LargeIndex>> large_;
    std::unique_ptr<Tables<DeepIndex>> deep_;
    uint32_t next_ = kWindow;  // first free number of the 32-bit index
    uint32_t nextSmall_ = 0x10000;  // first free number of the 16-bit index (none: cleared at first use)
    std::unique_ptr<Lz77Token[]> tokens_;
    size_t tokenRoom_ = 0;
};

struct Lz77Result {
    std::span<const Lz77Token> tokens;  // in the scratch's buffer
    std::array<uint32_t, kLitLenSymbols> litLenFreq{};  // end of block counted once
    std::array<uint32_t, kDistSymbols> distFreq{};
};

// Greedy-with-lazy-evaluation match search over the whole input, as limited by the row.
Lz77Result FindMatches(std::span<const uint8_t> input, const LevelRow& row, Lz77Scratch& scratch);

}  // namespace folivo::codec
