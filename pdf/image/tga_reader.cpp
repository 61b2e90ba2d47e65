#include "pdf/image/tga_reader.hpp"

#include <algorithm>

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

constexpr uint64_t kHeaderSize = 18;
constexpr uint8_t kTrueColor = 2;
constexpr uint8_t kRunLengthTrueColor = 10;
constexpr uint8_t kTopOrigin = 0x20;  // descriptor bit 5: first row is the top one

// Appends the pixel at `pos` as R, G, B (stored blue, green, red, and alpha when 4 bytes).
void PutPixel(const ByteSource& b, uint64_t pos, std::string& rgb) {
    rgb += {static_cast<char>(b.U8(pos + 2)), static_cast<char>(b.U8(pos + 1)), static_cast<char>(b.U8(pos))};
}

std::string ReadRunLength(const ByteSource& b, uint64_t pos, uint64_t pixels, uint64_t bytesPerPixel) {
    // A packet is a header byte and at least one pixel, and gives at most 128 pixels.
    const uint64_t packets = (b.size() - std::min<uint64_t>(b.size(), pos)) / (1 + bytesPerPixel);
    CheckDataCanHold(static_cast<int64_t>(pixels), 1, packets * 128);
    std::string rgb;
    rgb.reserve(pixels * 3);
    while (rgb.size() < pixels * 3) {
        const uint8_t header = b.U8(pos++);
        const uint64_t count = header >= 128 ? header - 127u : header + 1u;
        const uint64_t room = pixels - rgb.size() / 3;
        const uint64_t take = count < room ? count : room;
        if (header >= 128) {
            b.Require(pos, bytesPerPixel, "TGA run");
            for (uint64_t i = 0; i < take; ++i) PutPixel(b, pos, rgb);
            pos += bytesPerPixel;
        } else {
            b.Require(pos, count * bytesPerPixel, "TGA packet");
            for (uint64_t i = 0; i < take; ++i) PutPixel(b, pos + i * bytesPerPixel, rgb);
            pos += count * bytesPerPixel;
        }
    }
    return rgb;
}

std::string ReadUncompressed(const ByteSource& b, uint64_t pos, uint64_t pixels, uint64_t bytesPerPixel) {
    b.Require(pos, pixels * bytesPerPixel, "TGA pixel data");
    std::string rgb;
    rgb.reserve(pixels * 3);
    for (uint64_t i = 0; i < pixels; ++i) PutPixel(b, pos + i * bytesPerPixel, rgb);
    return rgb;
}

std::string ReverseRows(const std::string& rgb, int32_t width, int32_t height) {
    const size_t row = static_cast<size_t>(width) * 3;
    std::string reversed;
    reversed.reserve(rgb.size());
    for (int32_t y = height - 1; y >= 0; --y) reversed.append(rgb, static_cast<size_t>(y) * row, row);
    return reversed;
}

}  // namespace

Raster ReadTga(std::string_view file) {
    const ByteSource b(file);
    b.Require(0, kHeaderSize, "TGA header");
    const uint8_t type = b.U8(2);
    const uint8_t depth = b.U8(16);
    const uint8_t descriptor = b.U8(17);
    if (type != kTrueColor && type != kRunLengthTrueColor) throw FormatError("unsupported TGA image type");
    if (depth != 24 && !(depth == 32 && (descriptor & 15) == 8)) throw FormatError("unsupported TGA pixel depth");
    Raster r;
    r.width = b.U16LE(12);
    r.height = b.U16LE(14);
    CheckDimensions(r.width, r.height);
    // The identification field and any colour map precede the pixels.
    const uint64_t mapBytes = b.U8(1) == 1 ? uint64_t{b.U16LE(5)} * ((b.U8(7) + 7u) / 8) : 0;
    const uint64_t pos = kHeaderSize + b.U8(0) + mapBytes;
    const uint64_t pixels = static_cast<uint64_t>(r.width) * static_cast<uint64_t>(r.height);
    r.samples = type == kTrueColor ? ReadUncompressed(b, pos, pixels, depth / 8u)
                                   : ReadRunLength(b, pos, pixels, depth / 8u);
    if (descriptor & kTopOrigin) r.samples = ReverseRows(r.samples, r.width, r.height);
    return r;
}

}  // namespace folivo::image
