#include "pdf/codec/filter_chain.hpp"

#include "pdf/codec/ascii85.hpp"
#include "pdf/codec/ascii_hex.hpp"
#include "pdf/codec/deflate.hpp"
#include "pdf/codec/lzw.hpp"
#include "pdf/codec/run_length.hpp"

namespace folivo::codec {
namespace {

using Encoder = std::vector<uint8_t> (*)(std::span<const uint8_t>, int quality, DeflateScratch& scratch);

struct Stage {
    int32_t bit;
    const char* name;
    bool binary;  // skipped when the data arrives with filters of its own
    Encoder encode;
};

constexpr Stage kStages[] = {
    {kRunLength, "/RunLengthDecode ", true, [](std::span<const uint8_t> d, int, DeflateScratch&) { return EncodeRunLength(d); }},
    {kFlate, "/FlateDecode ", true, [](std::span<const uint8_t> d, int q, DeflateScratch& s) { return DeflateZlib(d, q, s); }},
    {kLzw, "/LZWDecode ", true, [](std::span<const uint8_t> d, int, DeflateScratch&) { return EncodeLzw(d); }},
    {kAscii85, "/ASCII85Decode ", false, [](std::span<const uint8_t> d, int, DeflateScratch&) { return EncodeAscii85(d); }},
    {kAsciiHex, "/ASCIIHexDecode ", false, [](std::span<const uint8_t> d, int, DeflateScratch&) { return EncodeAsciiHex(d); }},
};

}  // namespace

std::vector<uint8_t> ApplyStreamFilters(std::span<const uint8_t> data, const CompressionSettings& settings,
                                        std::string& filters, DeflateScratch& scratch) {
    const bool preset = !filters.empty();
    std::vector<uint8_t> encoded;
    bool first = true;  // the first encoder reads the caller's bytes, the others the previous output
    for (const Stage& stage : kStages) {
        if ((settings.mode & stage.bit) == 0 || (stage.binary && preset)) continue;
        encoded = stage.encode(first ? data : std::span<const uint8_t>(encoded), settings.quality, scratch);
        first = false;
        filters.insert(0, stage.name);
    }
    if (first) encoded.assign(data.begin(), data.end());
    return encoded;
}

}  // namespace folivo::codec
