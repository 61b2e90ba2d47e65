#include "pdf/security/sha2.hpp"

#include <array>
#include <bit>
#include <cstdint>

namespace folivo::security {
namespace {

constexpr std::array<uint32_t, 64> kRound256 = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr std::array<uint64_t, 80> kRound512 = {
    0x428a2f98d728ae22, 0x7137449123ef65cd, 0xb5c0fbcfec4d3b2f, 0xe9b5dba58189dbbc, 0x3956c25bf348b538,
    0x59f111f1b605d019, 0x923f82a4af194f9b, 0xab1c5ed5da6d8118, 0xd807aa98a3030242, 0x12835b0145706fbe,
    0x243185be4ee4b28c, 0x550c7dc3d5ffb4e2, 0x72be5d74f27b896f, 0x80deb1fe3b1696b1, 0x9bdc06a725c71235,
    0xc19bf174cf692694, 0xe49b69c19ef14ad2, 0xefbe4786384f25e3, 0x0fc19dc68b8cd5b5, 0x240ca1cc77ac9c65,
    0x2de92c6f592b0275, 0x4a7484aa6ea6e483, 0x5cb0a9dcbd41fbd4, 0x76f988da831153b5, 0x983e5152ee66dfab,
    0xa831c66d2db43210, 0xb00327c898fb213f, 0xbf597fc7beef0ee4, 0xc6e00bf33da88fc2, 0xd5a79147930aa725,
    0x06ca6351e003826f, 0x142929670a0e6e70, 0x27b70a8546d22ffc, 0x2e1b21385c26c926, 0x4d2c6dfc5ac42aed,
    0x53380d139d95b3df, 0x650a73548baf63de, 0x766a0abb3c77b2a8, 0x81c2c92e47edaee6, 0x92722c851482353b,
    0xa2bfe8a14cf10364, 0xa81a664bbc423001, 0xc24b8b70d0f89791, 0xc76c51a30654be30, 0xd192e819d6ef5218,
    0xd69906245565a910, 0xf40e35855771202a, 0x106aa07032bbd1b8, 0x19a4c116b8d2d0c8, 0x1e376c085141ab53,
    0x2748774cdf8eeb99, 0x34b0bcb5e19b48a8, 0x391c0cb3c5c95a63, 0x4ed8aa4ae3418acb, 0x5b9cca4f7763e373,
    0x682e6ff3d6b2b8a3, 0x748f82ee5defb2fc, 0x78a5636f43172f60, 0x84c87814a1f0ab72, 0x8cc702081a6439ec,
    0x90befffa23631e28, 0xa4506cebde82bde9, 0xbef9a3f7b2c67915, 0xc67178f2e372532b, 0xca273eceea26619c,
    0xd186b8c721c0c207, 0xeada7dd6cde0eb1e, 0xf57d4f7fee6ed178, 0x06f067aa72176fba, 0x0a637dc5a2c898a6,
    0x113f9804bef90dae, 0x1b710b35131c471b, 0x28db77f523047d84, 0x32caab7b40c72493, 0x3c9ebe0a15c9bebc,
    0x431d67c49c100d4c, 0x4cc5d4becb3e42b6, 0x597f299cfc657e2a, 0x5fcb6fab3ad6faec, 0x6c44198c4a475817};

// The parameters that tell the two word sizes apart: rotation counts and round constants.
template <typename Word>
struct Shape;

template <>
struct Shape<uint32_t> {
    static constexpr int kBigSigma0[3] = {2, 13, 22}, kBigSigma1[3] = {6, 11, 25};
    static constexpr int kSmallSigma0[3] = {7, 18, 3}, kSmallSigma1[3] = {17, 19, 10};
    static constexpr size_t kRounds = 64;
    static uint32_t Round(size_t i) { return kRound256[i]; }
};

template <>
struct Shape<uint64_t> {
    static constexpr int kBigSigma0[3] = {28, 34, 39}, kBigSigma1[3] = {14, 18, 41};
    static constexpr int kSmallSigma0[3] = {1, 8, 7}, kSmallSigma1[3] = {19, 61, 6};
    static constexpr size_t kRounds = 80;
    static uint64_t Round(size_t i) { return kRound512[i]; }
};

template <typename Word>
Word Big(Word x, const int (&r)[3]) { return std::rotr(x, r[0]) ^ std::rotr(x, r[1]) ^ std::rotr(x, r[2]); }

template <typename Word>
Word Small(Word x, const int (&r)[3]) { return std::rotr(x, r[0]) ^ std::rotr(x, r[1]) ^ (x >> r[2]); }

template <typename Word>
Word LoadBigEndian(const unsigned char* p) {
    Word w = 0;
    for (size_t i = 0; i < sizeof(Word); ++i) w = static_cast<Word>((w << 8) | p[i]);
    return w;
}

// One compression of a block of 16 words into the eight chaining words.
template <typename Word>
void Compress(std::array<Word, 8>& h, const unsigned char* block) {
    using S = Shape<Word>;
    std::array<Word, S::kRounds> w{};
    for (size_t i = 0; i < 16; ++i) w[i] = LoadBigEndian<Word>(block + i * sizeof(Word));
    for (size_t i = 16; i < S::kRounds; ++i)
        w[i] = Small(w[i - 2], S::kSmallSigma1) + w[i - 7] + Small(w[i - 15], S::kSmallSigma0) + w[i - 16];
    std::array<Word, 8> v = h;
    for (size_t i = 0; i < S::kRounds; ++i) {
        const Word choose = (v[4] & v[5]) ^ (~v[4] & v[6]);
        const Word majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
        const Word t1 = v[7] + Big(v[4], S::kBigSigma1) + choose + S::Round(i) + w[i];
        const Word t2 = Big(v[0], S::kBigSigma0) + majority;
        for (size_t j = 7; j > 0; --j) v[j] = v[j - 1];
        v[4] += t1;
        v[0] = t1 + t2;
    }
    for (size_t i = 0; i < 8; ++i) h[i] += v[i];
}

// Pads the message with 0x80, zeros and its bit length, runs every block and returns the first
// `outBytes` bytes of the chaining words, big-endian.
template <typename Word>
std::string Digest(std::string_view data, std::array<Word, 8> h, size_t outBytes) {
    constexpr size_t kBlock = 16 * sizeof(Word);
    constexpr size_t kLengthBytes = 2 * sizeof(Word);
    std::string message(data);
    message += '\x80';
    while (message.size() % kBlock != kBlock - kLengthBytes) message += '\0';
    const uint64_t bits = static_cast<uint64_t>(data.size()) * 8;
    for (size_t i = kLengthBytes; i-- > 0;) message += static_cast<char>(i < 8 ? bits >> (8 * i) : 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(message.data());
    for (size_t at = 0; at < message.size(); at += kBlock) Compress(h, bytes + at);
    std::string out;
    for (Word word : h)
        for (size_t i = sizeof(Word); i-- > 0;) out += static_cast<char>(word >> (8 * i));
    return out.substr(0, outBytes);
}

}  // namespace

std::string Sha256(std::string_view data) {
    return Digest<uint32_t>(data,
                            {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab,
                             0x5be0cd19},
                            32);
}

std::string Sha384(std::string_view data) {
    return Digest<uint64_t>(data,
                            {0xcbbb9d5dc1059ed8, 0x629a292a367cd507, 0x9159015a3070dd17, 0x152fecd8f70e5939,
                             0x67332667ffc00b31, 0x8eb44a8768581511, 0xdb0c2e0d64f98fa7, 0x47b5481dbefa4fa4},
                            48);
}

std::string Sha512(std::string_view data) {
    return Digest<uint64_t>(data,
                            {0x6a09e667f3bcc908, 0xbb67ae8584caa73b, 0x3c6ef372fe94f82b, 0xa54ff53a5f1d36f1,
                             0x510e527fade682d1, 0x9b05688c2b3e6c1f, 0x1f83d9abfb41bd6b, 0x5be0cd19137e2179},
                            64);
}

}  // namespace folivo::security
