#include "pdf/codec/run_length.hpp"

#include <algorithm>

namespace folivo::codec {
namespace {

constexpr size_t kMaxRun = 128;  // a repeat of 129 would need the end-of-data byte
constexpr uint8_t kEndOfData = 128;

size_t RepeatLength(std::span<const uint8_t> in, size_t pos) {
    size_t n = 1;
    while (pos + n < in.size() && n < kMaxRun && in[pos + n] == in[pos]) ++n;
    return n;
}

void FlushLiterals(std::span<const uint8_t> in, size_t start, size_t end, std::vector<uint8_t>& out) {
    while (start < end) {
        const size_t n = std::min(kMaxRun, end - start);
        out.push_back(static_cast<uint8_t>(n - 1));
        out.insert(out.end(), in.begin() + static_cast<std::ptrdiff_t>(start),
                   in.begin() + static_cast<std::ptrdiff_t>(start + n));
        start += n;
    }
}

}  // namespace

std::vector<uint8_t> EncodeRunLength(std::span<const uint8_t> input) {
    std::vector<uint8_t> out;
    out.reserve(input.size() + input.size() / 128 + 2);
    size_t literalStart = 0;
    size_t pos = 0;
    while (pos < input.size()) {
        const size_t run = RepeatLength(input, pos);
        // A pair breaks a literal run only when no literal is pending: it would cost as much.
        const bool repeat = run >= 3 || (run == 2 && literalStart == pos);
        if (!repeat) {
            pos += run;
            continue;
        }
        FlushLiterals(input, literalStart, pos, out);
        out.push_back(static_cast<uint8_t>(257 - run));
        out.push_back(input[pos]);
        pos += run;
        literalStart = pos;
    }
    FlushLiterals(input, literalStart, pos, out);
    out.push_back(kEndOfData);
    return out;
}


Decoded DecodeRunLength(std::span<const uint8_t> input, size_t limit) {
    Decoded result;
    size_t pos = 0;
    while (pos < input.size() && input[pos] != kEndOfData) {
        const uint8_t length = input[pos++];
        const size_t count = length < kEndOfData ? size_t{length} + 1 : 257u - length;
        if (count > limit - result.bytes.size()) return {{}, "RunLength data too large"};
        if (length < kEndOfData) {
            if (count > input.size() - pos) return {{}, "RunLength data ends early"};
            result.bytes.insert(result.bytes.end(), input.begin() + static_cast<std::ptrdiff_t>(pos),
                                input.begin() + static_cast<std::ptrdiff_t>(pos + count));
            pos += count;
        } else {
            if (pos >= input.size()) return {{}, "RunLength data ends early"};
            result.bytes.insert(result.bytes.end(), count, input[pos++]);
        }
    }
    return result;
}

}  // namespace folivo::codec
