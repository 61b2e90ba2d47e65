#include "pdf/image/png_chunks.hpp"

#include <span>

#include "pdf/codec/crc32.hpp"
#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1A\n", 8);
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;
constexpr uint64_t kHeaderLength = 13;

bool DepthAllowed(uint8_t colorType, uint8_t depth) {
    switch (colorType) {
        case kPngGrey: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case kPngPalette: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case kPngRgb:
        case kPngGreyAlpha:
        case kPngRgba: return depth == 8 || depth == 16;
        default: return false;
    }
}

void ReadHeader(const ByteSource& b, uint64_t at, PngFile& png) {
    png.width = b.U32BE(at);
    png.height = b.U32BE(at + 4);
    png.depth = b.U8(at + 8);
    png.colorType = b.U8(at + 9);
    if (!DepthAllowed(png.colorType, png.depth)) throw FormatError("unsupported PNG colour type or bit depth");
    if (b.U8(at + 10) != 0 || b.U8(at + 11) != 0) throw FormatError("unknown PNG compression or filter method");
    const uint8_t interlace = b.U8(at + 12);
    if (interlace > 1) throw FormatError("unknown PNG interlace method");
    png.interlaced = interlace == 1;
}

// A chunk whose type starts with an upper-case letter is critical: a reader must know it.
bool IsCritical(std::string_view type) { return type[0] >= 'A' && type[0] <= 'Z'; }

}  // namespace

uint32_t PngChannels(uint8_t colorType) {
    switch (colorType) {
        case kPngRgb: return 3;
        case kPngGreyAlpha: return 2;
        case kPngRgba: return 4;
        default: return 1;
    }
}

PngFile ReadPngChunks(std::string_view file) {
    const ByteSource b(file);
    if (!file.starts_with(kSignature)) throw FormatError("not a PNG file");
    PngFile png;
    uint64_t pos = kSignature.size();
    bool headerSeen = false;
    for (;;) {
        const uint32_t length = b.U32BE(pos);
        if (length > kMaxChunkLength) throw FormatError("PNG chunk length");
        b.Require(pos + 4, uint64_t{length} + 8, "PNG chunk");
        const std::string_view typeAndData = b.Bytes(pos + 4, uint64_t{length} + 4);
        const auto* bytes = reinterpret_cast<const uint8_t*>(typeAndData.data());
        if (codec::Crc32(std::span(bytes, typeAndData.size())) != b.U32BE(pos + 8 + length)) {
            throw FormatError("PNG chunk CRC");
        }
        const std::string_view type = typeAndData.substr(0, 4);
        const std::string_view data = typeAndData.substr(4);
        if (!headerSeen && (type != "IHDR" || length != kHeaderLength)) throw FormatError("PNG header");
        if (type == "IEND") break;
        if (type == "IHDR") {
            if (headerSeen) throw FormatError("second PNG header");
            ReadHeader(b, pos + 8, png);
            headerSeen = true;
        } else if (type == "PLTE") {
            if (length % 3 != 0 || length == 0 || length > 768) throw FormatError("PNG palette");
            png.palette = data;
        } else if (type == "tRNS") {
            png.transparency = data;
        } else if (type == "IDAT") {
            png.data += data;
        } else if (IsCritical(type)) {
            throw FormatError("unknown critical PNG chunk");
        }
        pos += uint64_t{length} + 12;
    }
    if (png.colorType == kPngPalette && png.palette.empty()) throw FormatError("PNG palette missing");
    if (png.data.empty()) throw FormatError("PNG without image data");
    return png;
}

}  // namespace folivo::image
