#include "pdf/image/dib.hpp"

#include "pdf/image/bmp_reader.hpp"
#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBitFields = 3;

std::string U32(uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[static_cast<size_t>(i)] = static_cast<char>(v >> (8 * i) & 255);
    return s;
}

}  // namespace

Raster ReadDib(std::string_view dib) {
    const ByteSource b(dib);
    b.Require(0, kInfoHeaderSize, "bitmap header");
    const uint32_t infoSize = b.U32LE(0);
    if (infoSize < kInfoHeaderSize || infoSize > dib.size()) throw FormatError("unsupported bitmap header");
    const uint32_t bits = b.U16LE(14);
    const uint32_t compression = b.U32LE(16);
    const uint32_t colorsUsed = b.U32LE(32);
    // The colours follow the header: 2^bits entries unless fewer are named, masks for bit fields.
    uint64_t colors = bits <= 8 ? (colorsUsed == 0 || colorsUsed > (1u << bits) ? (1u << bits) : colorsUsed) : colorsUsed;
    if (colors > 256) throw FormatError("bitmap colour table");
    uint64_t masks = compression == kBitFields && infoSize == kInfoHeaderSize ? 12 : 0;
    const uint64_t dataOffset = kFileHeaderSize + infoSize + masks + colors * 4;
    const std::string header = "BM" + U32(static_cast<uint32_t>(kFileHeaderSize + dib.size())) + U32(0) +
                               U32(static_cast<uint32_t>(dataOffset));
    return ReadBmp(header + std::string(dib), "");
}

}  // namespace folivo::image
