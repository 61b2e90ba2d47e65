#include "pdf/security/aes.hpp"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace folivo::security {
namespace {

using Block = std::array<uint8_t, 16>;

// Multiplication by x in GF(2^8) modulo x^8 + x^4 + x^3 + x + 1.
constexpr uint8_t Times2(uint8_t a) { return static_cast<uint8_t>((a << 1) ^ ((a & 0x80) ? 0x1B : 0)); }

constexpr uint8_t RotateLeft(uint8_t x, int n) { return static_cast<uint8_t>((x << n) | (x >> (8 - n))); }

// The substitution box: the multiplicative inverse (through powers of the generator 3) followed by
// the affine map.
constexpr std::array<uint8_t, 256> MakeSubstitution() {
    std::array<uint8_t, 256> power{}, logarithm{};
    uint8_t p = 1;
    for (int i = 0; i < 255; ++i, p = static_cast<uint8_t>(p ^ Times2(p))) {
        power[static_cast<size_t>(i)] = p;
        logarithm[p] = static_cast<uint8_t>(i);
    }
    std::array<uint8_t, 256> box{};
    for (int x = 0; x < 256; ++x) {
        const uint8_t inverse = x == 0 ? 0 : power[(255 - logarithm[static_cast<size_t>(x)]) % 255];
        box[static_cast<size_t>(x)] = static_cast<uint8_t>(inverse ^ RotateLeft(inverse, 1) ^ RotateLeft(inverse, 2) ^
                                                           RotateLeft(inverse, 3) ^ RotateLeft(inverse, 4) ^ 0x63);
    }
    return box;
}

constexpr std::array<uint8_t, 256> kSubstitution = MakeSubstitution();

constexpr std::array<uint8_t, 256> MakeInverse() {
    std::array<uint8_t, 256> inverse{};
    for (size_t i = 0; i < 256; ++i) inverse[kSubstitution[i]] = static_cast<uint8_t>(i);
    return inverse;
}

constexpr std::array<uint8_t, 256> kInverseSubstitution = MakeInverse();

// Multiplication in GF(2^8) modulo the AES polynomial.
uint8_t Times(uint8_t a, uint8_t b) {
    uint8_t product = 0;
    for (; b != 0; b >>= 1, a = Times2(a))
        if (b & 1) product ^= a;
    return product;
}

// The expanded key: 4 words per round plus one, each word four bytes.
std::vector<uint8_t> ExpandKey(std::string_view key) {
    if (key.size() != 16 && key.size() != 32) throw std::invalid_argument("AES key must be 16 or 32 bytes");
    const size_t words = key.size() / 4;
    const size_t rounds = words + 6;
    std::vector<uint8_t> w(key.begin(), key.end());
    uint8_t rcon = 1;
    for (size_t i = words; i < 4 * (rounds + 1); ++i) {
        uint8_t t[4] = {w[4 * i - 4], w[4 * i - 3], w[4 * i - 2], w[4 * i - 1]};
        if (i % words == 0) {
            const uint8_t first = t[0];
            for (int j = 0; j < 3; ++j) t[j] = kSubstitution[t[j + 1]];
            t[3] = kSubstitution[first];
            t[0] ^= rcon;
            rcon = Times2(rcon);
        } else if (words > 6 && i % words == 4) {
            for (uint8_t& b : t) b = kSubstitution[b];
        }
        for (int j = 0; j < 4; ++j) w.push_back(static_cast<uint8_t>(w[4 * (i - words) + j] ^ t[j]));
    }
    return w;
}

void AddRoundKey(Block& s, const uint8_t* roundKey) {
    for (size_t i = 0; i < 16; ++i) s[i] ^= roundKey[i];
}

// SubBytes and ShiftRows together: byte (row r, column c) comes from column c + r.
void SubstituteAndShift(Block& s) {
    Block t{};
    for (size_t c = 0; c < 4; ++c)
        for (size_t r = 0; r < 4; ++r) t[4 * c + r] = kSubstitution[s[4 * ((c + r) % 4) + r]];
    s = t;
}

void MixColumns(Block& s) {
    for (size_t c = 0; c < 4; ++c) {
        uint8_t* col = &s[4 * c];
        const uint8_t a[4] = {col[0], col[1], col[2], col[3]};
        const auto all = static_cast<uint8_t>(a[0] ^ a[1] ^ a[2] ^ a[3]);
        for (size_t r = 0; r < 4; ++r)
            col[r] = static_cast<uint8_t>(a[r] ^ all ^ Times2(static_cast<uint8_t>(a[r] ^ a[(r + 1) % 4])));
    }
}

void EncryptBlock(Block& s, const std::vector<uint8_t>& w) {
    const size_t rounds = w.size() / 16 - 1;
    AddRoundKey(s, w.data());
    for (size_t round = 1; round <= rounds; ++round) {
        SubstituteAndShift(s);
        if (round != rounds) MixColumns(s);
        AddRoundKey(s, w.data() + 16 * round);
    }
}

// The inverse steps: InvShiftRows with InvSubBytes (byte at column c + r moves back to c), and
// InvMixColumns (the column times 0e 0b 0d 09).
void UnshiftAndUnsubstitute(Block& s) {
    Block t{};
    for (size_t c = 0; c < 4; ++c)
        for (size_t r = 0; r < 4; ++r) t[4 * ((c + r) % 4) + r] = kInverseSubstitution[s[4 * c + r]];
    s = t;
}

void UnmixColumns(Block& s) {
    for (size_t c = 0; c < 4; ++c) {
        uint8_t* col = &s[4 * c];
        const uint8_t a[4] = {col[0], col[1], col[2], col[3]};
        for (size_t r = 0; r < 4; ++r)
            col[r] = static_cast<uint8_t>(Times(a[r], 0x0E) ^ Times(a[(r + 1) % 4], 0x0B) ^ Times(a[(r + 2) % 4], 0x0D) ^
                                          Times(a[(r + 3) % 4], 0x09));
    }
}

void DecryptBlock(Block& s, const std::vector<uint8_t>& w) {
    const size_t rounds = w.size() / 16 - 1;
    AddRoundKey(s, w.data() + 16 * rounds);
    for (size_t round = rounds; round-- > 0;) {
        UnshiftAndUnsubstitute(s);
        AddRoundKey(s, w.data() + 16 * round);
        if (round != 0) UnmixColumns(s);
    }
}

}  // namespace

std::string AesCbc(std::string_view key, std::string_view iv, std::string_view data) {
    if (iv.size() != 16 || data.size() % 16 != 0) throw std::invalid_argument("AES-CBC needs a 16-byte IV and whole blocks");
    const std::vector<uint8_t> w = ExpandKey(key);
    Block chain{};
    for (size_t i = 0; i < 16; ++i) chain[i] = static_cast<uint8_t>(iv[i]);
    std::string out;
    out.reserve(data.size());
    for (size_t at = 0; at < data.size(); at += 16) {
        for (size_t i = 0; i < 16; ++i) chain[i] ^= static_cast<uint8_t>(data[at + i]);
        EncryptBlock(chain, w);
        out.append(reinterpret_cast<const char*>(chain.data()), chain.size());
    }
    return out;
}

std::string AesCbcPadded(std::string_view key, std::string_view iv, std::string_view data) {
    std::string padded(data);
    const size_t pad = 16 - data.size() % 16;
    padded.append(pad, static_cast<char>(pad));
    return std::string(iv) + AesCbc(key, iv, padded);
}

std::string AesCbcDecipher(std::string_view key, std::string_view iv, std::string_view data) {
    if (iv.size() != 16 || data.size() % 16 != 0) throw std::invalid_argument("AES-CBC needs a 16-byte IV and whole blocks");
    const std::vector<uint8_t> w = ExpandKey(key);
    std::string out(data.size(), '\0');
    std::string_view previous = iv;
    for (size_t at = 0; at < data.size(); at += 16) {
        Block block{};
        for (size_t i = 0; i < 16; ++i) block[i] = static_cast<uint8_t>(data[at + i]);
        DecryptBlock(block, w);
        for (size_t i = 0; i < 16; ++i) out[at + i] = static_cast<char>(block[i] ^ static_cast<uint8_t>(previous[i]));
        previous = data.substr(at, 16);
    }
    return out;
}

std::optional<std::string> AesCbcUnpadded(std::string_view key, std::string_view data) {
    if (data.size() < 32 || data.size() % 16 != 0) return std::nullopt;
    std::string plain = AesCbcDecipher(key, data.substr(0, 16), data.substr(16));
    const auto pad = static_cast<uint8_t>(plain.back());
    if (pad < 1 || pad > 16) return std::nullopt;
    plain.resize(plain.size() - pad);
    return plain;
}

}  // namespace folivo::security
