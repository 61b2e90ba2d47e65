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

// What the LZ77 pass keeps from one stream to the next, so that a document's many small streams
// neither allocate nor clear tables: the index of three-byte prefixes and the token buffer.
// Positions are numbered on across streams, each stream starting more than a window after the
// previous one ended, so whatever an earlier stream left in the index is out of reach.
class Lz77Scratch {
public:
    static constexpr int kHashBits = 15;
    static constexpr uint32_t kHashSize = 1u << kHashBits;
    static constexpr uint32_t kWindow = 32768;  // positions whose previous link is kept

    Lz77Scratch();

    // Number of the first position of a new stream of `size` bytes.
    uint32_t StartStream(size_t size);
    // Room for `count` tokens, valid until the next call.
    Lz77Token* Tokens(size_t count);
    // Gives back a token buffer grown by a large stream.
    void Trim();

    // The previous and the second previous position with the same hash.
    struct Link {
        uint32_t previous;
        uint32_t second;
    };

    uint32_t* head() { return head_.get(); }
    Link* links() { return links_.get(); }

private:
    std::unique_ptr<uint32_t[]> head_;  // per hash: number of its most recent position
    std::unique_ptr<Link[]> links_;     // per position number modulo the window
    uint32_t next_ = kWindow;           // first free position number
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
