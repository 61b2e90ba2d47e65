#include "pdf/image/png_reader.hpp"

#include <span>

#include "pdf/codec/inflate.hpp"
#include "pdf/image/byte_source.hpp"
#include "pdf/image/png_chunks.hpp"
#include "pdf/image/png_pixels.hpp"

namespace folivo::image {

namespace {

// Deflate makes at most 1032 bytes of one.
constexpr uint64_t kMaxInflateRatio = 1032;

std::span<const uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

bool HasAlphaChannel(const PngFile& png) { return png.colorType == kPngGreyAlpha || png.colorType == kPngRgba; }

// Width, height and colour space; the samples are filled by the caller.
Raster Describe(const PngFile& png) {
    Raster r;
    r.width = static_cast<int32_t>(png.width);
    r.height = static_cast<int32_t>(png.height);
    r.bits = png.depth;
    r.topRowFirst = true;
    r.colorSpace = png.colorType == kPngGrey || png.colorType == kPngGreyAlpha ? "DeviceGray" : "DeviceRGB";
    if (png.colorType == kPngPalette) {
        r.indexed = true;
        r.palette = PadPalette(png.palette, png.depth);
    }
    return r;
}

uint32_t SampleAt(const uint8_t* row, uint64_t index, uint32_t bits) {
    if (bits == 16) return uint32_t{row[2 * index]} << 8 | row[2 * index + 1];
    if (bits == 8) return row[index];
    const uint64_t bit = index * bits;
    return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
}

// Opacity from the tRNS chunk: per palette index, or 0 for the one transparent grey or RGB value.
std::string TransparencyAlpha(const std::string& rows, const PngFile& png, const PngLayout& layout) {
    const uint32_t channels = PngChannels(png.colorType);
    const ByteSource trns(png.transparency);
    const uint64_t rowBytes = PngRowBytes(layout.width, layout.bitsPerPixel);
    std::string alpha(layout.width * layout.height, '\xFF');
    size_t out = 0;
    for (uint64_t y = 0; y < layout.height; ++y) {
        const auto* row = reinterpret_cast<const uint8_t*>(rows.data()) + y * rowBytes;
        for (uint64_t x = 0; x < layout.width; ++x, ++out) {
            if (png.colorType == kPngPalette) {
                const uint32_t index = SampleAt(row, x, png.depth);
                if (index < png.transparency.size()) alpha[out] = png.transparency[index];
                continue;
            }
            bool key = true;
            for (uint32_t c = 0; c < channels; ++c) {
                key = key && SampleAt(row, x * channels + c, png.depth) == trns.U16BE(2 * c);
            }
            if (key) alpha[out] = '\0';
        }
    }
    return alpha;
}

// Splits grey+alpha or RGBA rows into colour samples and 8-bit opacity (the high byte of 16 bits).
void SplitAlpha(const std::string& rows, const PngFile& png, Raster& r) {
    const uint64_t sampleBytes = png.depth / 8;
    const uint64_t colorBytes = (PngChannels(png.colorType) - 1) * sampleBytes;
    const uint64_t pixelBytes = colorBytes + sampleBytes;
    const uint64_t pixels = rows.size() / pixelBytes;
    r.samples.reserve(pixels * colorBytes);
    std::string alpha(pixels, '\0');
    for (uint64_t i = 0; i < pixels; ++i) {
        r.samples.append(rows, i * pixelBytes, colorBytes);
        alpha[i] = rows[i * pixelBytes + colorBytes];
    }
    SetSoftMask(r, std::move(alpha));
}

}  // namespace

Raster ReadPng(std::string_view file) {
    PngFile png = ReadPngChunks(file);
    CheckDimensions(png.width, png.height);
    const uint32_t channels = PngChannels(png.colorType);
    const PngLayout layout{png.width, png.height, channels * png.depth, png.interlaced};
    CheckDataCanHold(png.width, png.height, png.data.size() * kMaxInflateRatio * 8 / layout.bitsPerPixel);
    // The transparency chunk means nothing beside an alpha channel, nor when it is too short for its key.
    if (HasAlphaChannel(png) || (png.colorType != kPngPalette && png.transparency.size() < 2 * channels)) {
        png.transparency.clear();
    }
    const uint64_t size = PngFilteredSize(layout);
    if (size > codec::kInflateLimit) throw FormatError("PNG image data larger than an inflated stream may be");
    const codec::InflateResult inflated = codec::InflateZlib(BytesOf(png.data), size);
    if (!inflated.ok()) throw FormatError("PNG image data: " + inflated.error);
    if (inflated.bytes.size() != size) throw FormatError("PNG image data ends early");
    Raster r = Describe(png);
    if (!png.interlaced && !HasAlphaChannel(png) && png.transparency.empty()) {
        CheckPngFilterTypes(inflated.bytes, layout);
        r.samples = std::move(png.data);
        r.filter = "/FlateDecode ";
        r.decodeParms = "<< /Predictor 15 /Colors " + std::to_string(channels) + " /BitsPerComponent " +
                        std::to_string(png.depth) + " /Columns " + std::to_string(png.width) + " >>";
        return r;
    }
    std::string rows = UnfilterPng(inflated.bytes, layout);
    if (HasAlphaChannel(png)) {
        SplitAlpha(rows, png, r);
        return r;
    }
    if (!png.transparency.empty()) SetSoftMask(r, TransparencyAlpha(rows, png, layout));
    r.samples = std::move(rows);
    return r;
}

}  // namespace folivo::image
