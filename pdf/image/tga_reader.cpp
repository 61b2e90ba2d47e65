#include "pdf/image/tga_reader.hpp"

#include <algorithm>
#include <vector>

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

constexpr uint64_t kHeaderSize = 18;
constexpr uint8_t kColorMapped = 1;
constexpr uint8_t kTrueColor = 2;
constexpr uint8_t kGrey = 3;
constexpr uint8_t kRunLength = 8;     // added to the kind for run-length data
constexpr uint8_t kTopOrigin = 0x20;  // descriptor bit 5: first row is the top one

struct TgaHeader {
    uint8_t kind = 0;  // kColorMapped, kTrueColor or kGrey
    bool runLength = false;
    uint32_t depth = 0;          // bits per pixel
    uint32_t attributeBits = 0;  // alpha bits in a pixel or colour-map entry
    bool topOrigin = false;
    uint64_t mapFirst = 0, mapLength = 0, mapDepth = 0, mapOffset = 0;
    uint64_t pixelOffset = 0;
};

struct Rgba {
    uint8_t r, g, b, a;
};

bool DepthAllowed(const TgaHeader& h) {
    switch (h.kind) {
        case kGrey: return h.depth == 8;
        case kColorMapped:
            return (h.depth == 8 || h.depth == 16) &&
                   (h.mapDepth == 15 || h.mapDepth == 16 || h.mapDepth == 24 || h.mapDepth == 32);
        case kTrueColor:
            return h.depth == 15 || h.depth == 16 || h.depth == 24 || (h.depth == 32 && h.attributeBits == 8);
        default: return false;
    }
}

TgaHeader ReadHeader(const ByteSource& b) {
    b.Require(0, kHeaderSize, "TGA header");
    TgaHeader h;
    const uint8_t type = b.U8(2);
    h.kind = type & 7;
    h.runLength = (type & kRunLength) != 0;
    h.depth = b.U8(16);
    h.attributeBits = b.U8(17) & 15;
    h.topOrigin = (b.U8(17) & kTopOrigin) != 0;
    h.mapFirst = b.U16LE(3);
    h.mapLength = b.U16LE(5);
    h.mapDepth = b.U8(7);
    if ((type & ~(kRunLength | 3)) != 0 || h.kind == 0) throw FormatError("unsupported TGA image type");
    if (!DepthAllowed(h)) throw FormatError("unsupported TGA pixel depth");
    // The identification field and any colour map precede the pixels.
    h.mapOffset = kHeaderSize + b.U8(0);
    const uint64_t mapBytes = b.U8(1) == 1 ? h.mapLength * ((h.mapDepth + 7) / 8) : 0;
    h.pixelOffset = h.mapOffset + mapBytes;
    return h;
}

uint8_t Scale5(uint32_t v) { return static_cast<uint8_t>((v & 31) * 255 / 31); }

// A little-endian pixel or colour-map entry of `depth` bits: 5-5-5 with an attribute bit, or
// blue, green, red and alpha bytes.
Rgba ColorOf(uint32_t v, uint64_t depth) {
    if (depth <= 16) return {Scale5(v >> 10), Scale5(v >> 5), Scale5(v), static_cast<uint8_t>(v & 0x8000 ? 255 : 0)};
    return {static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v),
            static_cast<uint8_t>(v >> 24)};
}

uint32_t ValueAt(std::string_view bytes, uint64_t at, uint64_t count) {
    uint32_t v = 0;
    for (uint64_t k = 0; k < count; ++k) v |= uint32_t{static_cast<uint8_t>(bytes[at + k])} << (8 * k);
    return v;
}

std::vector<Rgba> ReadColorMap(const ByteSource& b, const TgaHeader& h) {
    const uint64_t entryBytes = (h.mapDepth + 7) / 8;
    const std::string_view map = b.Bytes(h.mapOffset, h.mapLength * entryBytes);
    std::vector<Rgba> colors;
    for (uint64_t i = 0; i < h.mapLength; ++i) {
        colors.push_back(ColorOf(ValueAt(map, i * entryBytes, entryBytes), h.mapDepth));
    }
    return colors;
}

std::string ReadRunLength(const ByteSource& b, uint64_t pos, uint64_t pixels, uint64_t bytesPerPixel) {
    // A packet is a header byte and at least one pixel, and gives at most 128 pixels.
    const uint64_t packets = (b.size() - std::min<uint64_t>(b.size(), pos)) / (1 + bytesPerPixel);
    CheckDataCanHold(static_cast<int64_t>(pixels), 1, packets * 128);
    const uint64_t total = pixels * bytesPerPixel;
    std::string raw;
    raw.reserve(total);
    while (raw.size() < total) {
        const uint8_t header = b.U8(pos++);
        const uint64_t count = header >= 128 ? header - 127u : header + 1u;
        const uint64_t take = std::min(count, (total - raw.size()) / bytesPerPixel);
        if (header >= 128) {
            const std::string_view pixel = b.Bytes(pos, bytesPerPixel);
            for (uint64_t i = 0; i < take; ++i) raw += pixel;
            pos += bytesPerPixel;
        } else {
            raw += b.Bytes(pos, count * bytesPerPixel).substr(0, take * bytesPerPixel);
            pos += count * bytesPerPixel;
        }
    }
    return raw;
}

// R, G, B samples and, when the header gives the pixels attribute bits, their alpha.
void PutColors(const ByteSource& b, const TgaHeader& h, std::string_view raw, uint64_t pixels, Raster& r) {
    const uint64_t bytesPerPixel = (h.depth + 7) / 8;
    const std::vector<Rgba> map = h.kind == kColorMapped ? ReadColorMap(b, h) : std::vector<Rgba>();
    r.samples.resize(pixels * 3);
    std::string alpha(h.attributeBits > 0 ? pixels : 0, '\0');
    for (uint64_t i = 0; i < pixels; ++i) {
        const uint32_t v = ValueAt(raw, i * bytesPerPixel, bytesPerPixel);
        if (h.kind == kColorMapped && (v < h.mapFirst || v - h.mapFirst >= map.size())) {
            throw FormatError("TGA colour index outside the map");
        }
        const Rgba c = h.kind == kColorMapped ? map[v - h.mapFirst] : ColorOf(v, h.depth);
        r.samples[3 * i] = static_cast<char>(c.r);
        r.samples[3 * i + 1] = static_cast<char>(c.g);
        r.samples[3 * i + 2] = static_cast<char>(c.b);
        if (!alpha.empty()) alpha[i] = static_cast<char>(c.a);
    }
    SetSoftMaskUnlessAllZero(r, std::move(alpha));
}

std::string ReverseRows(const std::string& data, int32_t height) {
    const size_t row = data.size() / static_cast<size_t>(height);
    std::string reversed;
    reversed.reserve(data.size());
    for (int32_t y = height - 1; y >= 0; --y) reversed.append(data, static_cast<size_t>(y) * row, row);
    return reversed;
}

}  // namespace

Raster ReadTga(std::string_view file) {
    const ByteSource b(file);
    const TgaHeader h = ReadHeader(b);
    Raster r;
    r.width = b.U16LE(12);
    r.height = b.U16LE(14);
    CheckDimensions(r.width, r.height);
    const uint64_t pixels = static_cast<uint64_t>(r.width) * static_cast<uint64_t>(r.height);
    const uint64_t bytesPerPixel = (h.depth + 7) / 8;
    std::string raw = h.runLength ? ReadRunLength(b, h.pixelOffset, pixels, bytesPerPixel)
                                  : std::string(b.Bytes(h.pixelOffset, pixels * bytesPerPixel));
    if (h.kind == kGrey) {
        r.colorSpace = "DeviceGray";
        r.samples = std::move(raw);
    } else {
        PutColors(b, h, raw, pixels, r);
    }
    if (h.topOrigin) {
        r.samples = ReverseRows(r.samples, r.height);
        if (!r.alpha.empty()) r.alpha = ReverseRows(r.alpha, r.height);
    }
    return r;
}

}  // namespace folivo::image
