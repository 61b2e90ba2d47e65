#include "pdf/image/gif_lzw.hpp"

#include <array>

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

constexpr int32_t kMaxCodeBits = 12;
constexpr uint32_t kTableSize = 4096;

class CodeReader {
public:
    explicit CodeReader(std::string_view data) : data_(data) {}
    // False when fewer than `bits` bits are left.
    bool Next(int32_t bits, uint32_t& code) {
        while (count_ < bits) {
            if (pos_ >= data_.size()) return false;
            buffer_ |= static_cast<uint32_t>(static_cast<uint8_t>(data_[pos_++])) << count_;
            count_ += 8;
        }
        code = buffer_ & ((1u << bits) - 1);
        buffer_ >>= bits;
        count_ -= bits;
        return true;
    }

private:
    std::string_view data_;
    size_t pos_ = 0;
    uint32_t buffer_ = 0;
    int32_t count_ = 0;
};

// The string table: each code is a prefix code plus one last index.
struct StringTable {
    std::array<uint16_t, kTableSize> prefix{};
    std::array<uint8_t, kTableSize> last{};
    std::array<uint8_t, kTableSize> first{};

    // Appends the string of `code` to `out`, stopping at `limit` indices.
    void Emit(uint32_t code, uint32_t literals, std::vector<uint8_t>& out, size_t limit) const {
        std::array<uint8_t, kTableSize> stack;
        size_t depth = 0;
        while (code >= literals && depth < kTableSize) {
            stack[depth++] = last[code];
            code = prefix[code];
        }
        stack[depth++] = static_cast<uint8_t>(code);
        while (depth > 0 && out.size() < limit) out.push_back(stack[--depth]);
    }
};

}  // namespace

std::vector<uint8_t> DecodeGifLzw(std::string_view data, int32_t minimumCodeSize, size_t pixelCount) {
    if (minimumCodeSize < 2 || minimumCodeSize > 8) throw FormatError("GIF code size");
    const uint32_t clear = 1u << minimumCodeSize;
    const uint32_t end = clear + 1;
    StringTable table;
    for (uint32_t i = 0; i < clear; ++i) table.first[i] = static_cast<uint8_t>(i);
    std::vector<uint8_t> out;
    out.reserve(pixelCount);
    CodeReader reader(data);
    int32_t width = minimumCodeSize + 1;
    uint32_t next = clear + 2;
    int64_t previous = -1;
    uint32_t code = 0;
    while (out.size() < pixelCount && reader.Next(width, code)) {
        if (code == clear) {
            width = minimumCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (previous < 0) {
            if (code >= clear) throw FormatError("bad GIF LZW code");
            table.Emit(code, clear, out, pixelCount);
            previous = code;
            continue;
        }
        const auto prior = static_cast<uint32_t>(previous);
        uint8_t head;
        if (code < next && code != clear && code != end) {
            head = table.first[code];
            table.Emit(code, clear, out, pixelCount);
        } else if (code == next && next < kTableSize) {
            head = table.first[prior];
            table.Emit(prior, clear, out, pixelCount);
            if (out.size() < pixelCount) out.push_back(head);
        } else {
            throw FormatError("bad GIF LZW code");
        }
        if (next < kTableSize) {
            table.prefix[next] = static_cast<uint16_t>(prior);
            table.last[next] = head;
            table.first[next] = table.first[prior];
            ++next;
            if (next == (1u << width) && width < kMaxCodeBits) ++width;
        }
        previous = code;
    }
    out.resize(pixelCount, 0);
    return out;
}

}  // namespace folivo::image
