#include "pdf/image/gif_reader.hpp"

#include <algorithm>

#include "pdf/image/byte_source.hpp"
#include "pdf/image/gif_lzw.hpp"

namespace folivo::image {

namespace {

constexpr uint8_t kExtension = 33;   // "!"
constexpr uint8_t kDescriptor = 44;  // ","
constexpr uint8_t kTrailer = 59;     // ";"
constexpr uint8_t kGraphicControl = 249;

struct ColorTable {
    std::string rgb;
    int32_t bits = 0;  // 0: none
};

// A colour table follows when bit 7 of the flags is set: 2^((flags and 7) + 1) entries.
ColorTable ReadColorTable(const ByteSource& b, uint64_t& pos, uint8_t flags) {
    if ((flags & 0x80) == 0) return {};
    ColorTable table;
    table.bits = (flags & 7) + 1;
    const uint64_t bytes = uint64_t{3} << table.bits;
    table.rgb = std::string(b.Bytes(pos, bytes));
    pos += bytes;
    return table;
}

// The data sub-blocks from `pos` to their empty terminator, joined.
std::string ReadSubBlocks(const ByteSource& b, uint64_t& pos) {
    std::string data;
    for (uint8_t size = b.U8(pos++); size != 0; size = b.U8(pos++)) {
        data += b.Bytes(pos, size);
        pos += size;
    }
    return data;
}

// Rows of an interlaced picture come in four passes; this puts them back in order.
std::vector<uint8_t> Deinterlace(const std::vector<uint8_t>& rows, int32_t width, int32_t height) {
    static constexpr int32_t kStart[] = {0, 4, 2, 1};
    static constexpr int32_t kStep[] = {8, 8, 4, 2};
    std::vector<uint8_t> ordered(rows.size());
    const size_t w = static_cast<size_t>(width);
    size_t source = 0;
    for (int pass = 0; pass < 4; ++pass) {
        for (int32_t y = kStart[pass]; y < height; y += kStep[pass], source += w) {
            std::copy_n(rows.begin() + static_cast<std::ptrdiff_t>(source), w,
                        ordered.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(y) * w));
        }
    }
    return ordered;
}

// The picture of the image descriptor at `pos` (just after its ","), whose table falls back to
// the global one.
Raster DecodeFrame(const ByteSource& b, uint64_t pos, const ColorTable& global, int32_t transparent) {
    const int32_t width = b.U16LE(pos + 4);
    const int32_t height = b.U16LE(pos + 6);
    const uint8_t flags = b.U8(pos + 8);
    pos += 9;
    CheckDimensions(width, height);
    const ColorTable local = ReadColorTable(b, pos, flags);
    const ColorTable& table = local.bits > 0 ? local : global;
    const int32_t codeSize = b.U8(pos++);
    const std::string data = ReadSubBlocks(b, pos);
    // The n-th code of a table gives at most n + 1 pixels, and no string is longer than the table.
    const uint64_t codes = data.size() * 8 / static_cast<uint64_t>(std::clamp(codeSize + 1, 1, 12));
    CheckDataCanHold(width, height, codes * std::min<uint64_t>(codes + 1, 4096));
    std::vector<uint8_t> indices =
        DecodeGifLzw(data, codeSize, static_cast<size_t>(width) * static_cast<size_t>(height));
    if (flags & 0x40) indices = Deinterlace(indices, width, height);

    Raster r;
    r.width = width;
    r.height = height;
    r.indexed = true;
    r.bits = IndexedDepth(table.bits > 0 ? table.bits : codeSize);
    r.palette = PadPalette(table.rgb, r.bits);
    r.samples = PackIndicesBottomUp(indices, width, height, r.bits);
    if (transparent >= 0) r.maskKey = std::to_string(transparent) + " " + std::to_string(transparent) + " ";
    return r;
}

}  // namespace

Raster ReadGif(std::string_view file, int32_t frame) {
    const ByteSource b(file);
    const std::string_view signature = b.Bytes(0, 6);
    if (signature != "GIF87a" && signature != "GIF89a") throw FormatError("not a GIF file");
    uint64_t pos = 13;
    const ColorTable global = ReadColorTable(b, pos, b.U8(10));
    int32_t count = 0;
    int32_t transparent = -1;  // from the graphic-control extension before the next picture
    for (;;) {
        const uint8_t introducer = b.U8(pos++);
        if (introducer == kTrailer) break;
        if (introducer == kExtension) {
            const uint8_t label = b.U8(pos++);
            if (label == kGraphicControl && b.U8(pos) >= 4) {
                transparent = (b.U8(pos + 1) & 1) ? b.U8(pos + 4) : -1;
            }
            ReadSubBlocks(b, pos);
        } else if (introducer == kDescriptor) {
            if (++count == frame) return DecodeFrame(b, pos, global, transparent);
            pos += 9;
            ReadColorTable(b, pos, b.U8(pos - 1));
            ++pos;  // minimum code size
            ReadSubBlocks(b, pos);
            transparent = -1;
        } else {
            throw FormatError("unknown GIF block");
        }
    }
    throw FormatError("GIF frame " + std::to_string(frame) + " not found");
}

}  // namespace folivo::image
