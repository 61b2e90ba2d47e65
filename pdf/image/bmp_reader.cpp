#include "pdf/image/bmp_reader.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

#include "pdf/image/bmp_rle.hpp"
#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

constexpr uint16_t kSignatureBM = 19778;
constexpr uint64_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint64_t kBitFieldsOffset = 54;  // the colour masks follow the 40-byte header
constexpr uint32_t kAlphaMaskHeaderSize = 56;  // headers this long carry an alpha mask after the colour masks

enum Compression : uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

struct BmpHeader {
    uint64_t dataOffset = 0;
    uint64_t paletteOffset = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    int32_t bits = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    uint32_t infoSize = 0;
};

BmpHeader ReadHeader(const ByteSource& b) {
    b.Require(0, kFileHeaderSize + kInfoHeaderSize, "BMP header");
    if (b.U16LE(0) != kSignatureBM) throw FormatError("not a BMP file");
    const uint32_t infoSize = b.U32LE(14);
    if (infoSize < kInfoHeaderSize) throw FormatError("unsupported BMP header");
    BmpHeader h;
    h.infoSize = infoSize;
    h.dataOffset = b.U32LE(10);
    h.paletteOffset = kFileHeaderSize + infoSize;
    h.width = static_cast<int32_t>(b.U32LE(18));
    const int64_t height = static_cast<int32_t>(b.U32LE(22));
    h.topDown = height < 0;
    CheckDimensions(h.width, height < 0 ? -height : height);
    h.height = static_cast<int32_t>(height < 0 ? -height : height);
    h.bits = b.U16LE(28);
    h.compression = b.U32LE(30);
    h.colorsUsed = b.U32LE(46);
    const bool valid = (h.compression == kNone && h.bits != 2) || (h.compression == kRle8 && h.bits == 8) ||
                       (h.compression == kRle4 && h.bits == 4) ||
                       (h.compression == kBitFields && (h.bits == 16 || h.bits == 32));
    const bool knownBits = h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    if (!valid || !knownBits) throw FormatError("unsupported BMP depth or compression");
    if (h.compression != kNone && h.topDown) throw FormatError("top-down compressed BMP");
    return h;
}

std::string ReadPalette(const ByteSource& b, const BmpHeader& h) {
    const uint32_t full = 1u << h.bits;
    const uint32_t count = (h.colorsUsed == 0 || h.colorsUsed > full) ? full : h.colorsUsed;
    b.Require(h.paletteOffset, uint64_t{count} * 4, "BMP palette");
    std::string rgb;
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t entry = h.paletteOffset + uint64_t{i} * 4;  // blue, green, red, reserved
        rgb += static_cast<char>(b.U8(entry + 2));
        rgb += static_cast<char>(b.U8(entry + 1));
        rgb += static_cast<char>(b.U8(entry));
    }
    return PadPalette(rgb, h.bits);
}

// The bytes of row `row` counted from the bottom, without the fill to 4 bytes.
uint64_t RowOffset(const BmpHeader& h, int32_t row, uint64_t stride) {
    const int32_t fileRow = h.topDown ? h.height - 1 - row : row;
    return h.dataOffset + static_cast<uint64_t>(fileRow) * stride;
}

uint64_t Stride(const BmpHeader& h) { return (static_cast<uint64_t>(h.width) * static_cast<uint64_t>(h.bits) + 31) / 32 * 4; }

std::string ReadIndexedRows(const ByteSource& b, const BmpHeader& h) {
    const uint64_t stride = Stride(h);
    b.Require(h.dataOffset, stride * static_cast<uint64_t>(h.height), "BMP pixel data");
    const uint64_t rowBytes = (static_cast<uint64_t>(h.width) * static_cast<uint64_t>(h.bits) + 7) / 8;
    std::string rows;
    rows.reserve(rowBytes * static_cast<uint64_t>(h.height));
    for (int32_t row = 0; row < h.height; ++row) rows += b.Bytes(RowOffset(h, row, stride), rowBytes);
    return rows;
}

// One colour channel taken out of a 16- or 32-bit pixel through its mask, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    uint8_t Of(uint32_t pixel) const {
        if (mask == 0) return 0;
        const uint32_t max = mask >> std::countr_zero(mask);
        return static_cast<uint8_t>(((pixel & mask) >> std::countr_zero(mask)) * 255u / max);
    }
};

std::array<Channel, 3> MasksOf(const ByteSource& b, const BmpHeader& h) {
    if (h.compression == kBitFields) {
        return {Channel{b.U32LE(kBitFieldsOffset)}, Channel{b.U32LE(kBitFieldsOffset + 4)},
                Channel{b.U32LE(kBitFieldsOffset + 8)}};
    }
    if (h.bits == 16) return {Channel{0x7C00}, Channel{0x03E0}, Channel{0x001F}};
    return {Channel{0xFF0000}, Channel{0x00FF00}, Channel{0x0000FF}};
}

// The alpha mask of a 16- or 32-bit pixel: from the header, or the fourth byte of 32-bit BI_RGB
// pixels; 0 when the pixels have no alpha.
uint32_t AlphaMaskOf(const ByteSource& b, const BmpHeader& h) {
    if (h.compression == kBitFields) return h.infoSize >= kAlphaMaskHeaderSize ? b.U32LE(kBitFieldsOffset + 12) : 0;
    return h.bits == 32 ? 0xFF000000u : 0;
}

uint32_t PixelAt(std::string_view row, size_t at, size_t bytes) {
    uint32_t v = 0;
    for (size_t k = 0; k < bytes; ++k) v |= static_cast<uint32_t>(static_cast<uint8_t>(row[at + k])) << (8 * k);
    return v;
}

// The samples as R, G, B and, when the pixels have an alpha mask, the soft mask.
void ReadDirectRows(const ByteSource& b, const BmpHeader& h, Raster& r) {
    const uint64_t stride = Stride(h);
    b.Require(h.dataOffset, stride * static_cast<uint64_t>(h.height), "BMP pixel data");
    const auto masks = MasksOf(b, h);
    const Channel alphaChannel{AlphaMaskOf(b, h)};
    const size_t bytesPerPixel = static_cast<size_t>(h.bits) / 8;
    const size_t width = static_cast<size_t>(h.width);
    std::string rgb(width * static_cast<size_t>(h.height) * 3, '\0');
    std::string alpha(alphaChannel.mask != 0 ? width * static_cast<size_t>(h.height) : 0, '\0');
    char* out = rgb.data();
    for (int32_t row = 0; row < h.height; ++row) {
        const std::string_view pixels = b.Bytes(RowOffset(h, row, stride), width * bytesPerPixel);
        for (size_t x = 0; x < width; ++x, out += 3) {
            const size_t at = x * bytesPerPixel;
            if (h.bits == 24) {  // blue, green, red
                out[0] = pixels[at + 2];
                out[1] = pixels[at + 1];
                out[2] = pixels[at];
                continue;
            }
            const uint32_t pixel = PixelAt(pixels, at, bytesPerPixel);
            for (size_t c = 0; c < 3; ++c) out[c] = static_cast<char>(masks[c].Of(pixel));
            if (!alpha.empty()) {
                alpha[static_cast<size_t>(out - rgb.data()) / 3] = static_cast<char>(alphaChannel.Of(pixel));
            }
        }
    }
    r.samples = std::move(rgb);
    SetSoftMaskUnlessAllZero(r, std::move(alpha));
}

std::optional<std::array<uint8_t, 3>> ParseMaskColor(const std::string& colorMask) {
    if (colorMask.size() != 7 || colorMask[0] != '#') return std::nullopt;
    std::array<uint8_t, 3> rgb{};
    for (size_t i = 0; i < 3; ++i) {
        try {
            size_t used = 0;
            const int v = std::stoi(colorMask.substr(1 + 2 * i, 2), &used, 16);
            if (used != 2) return std::nullopt;
            rgb[i] = static_cast<uint8_t>(v);
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    return rgb;
}

std::string MaskKey(const Raster& r, const std::string& colorMask) {
    const auto color = ParseMaskColor(colorMask);
    if (!color) return "";
    if (!r.indexed) {
        std::string key;
        for (uint8_t c : *color) key += std::to_string(c) + " " + std::to_string(c) + " ";
        return key;
    }
    for (size_t i = 0; i + 2 < r.palette.size(); i += 3) {
        if (static_cast<uint8_t>(r.palette[i]) == (*color)[0] && static_cast<uint8_t>(r.palette[i + 1]) == (*color)[1] &&
            static_cast<uint8_t>(r.palette[i + 2]) == (*color)[2]) {
            const std::string index = std::to_string(i / 3);
            return index + " " + index + " ";
        }
    }
    return "";
}

}  // namespace

Raster ReadBmp(std::string_view file, const std::string& colorMask) {
    const ByteSource b(file);
    const BmpHeader h = ReadHeader(b);
    Raster r;
    r.width = h.width;
    r.height = h.height;
    if (h.bits <= 8) {
        r.indexed = true;
        r.bits = h.bits;
        r.palette = ReadPalette(b, h);
        if (h.compression == kNone) {
            r.samples = ReadIndexedRows(b, h);
        } else {
            // Each two-byte code draws at most a run of 255 pixels. End-of-line and delta codes could
            // leave a whole row or more undrawn from two bytes; a file that claims more pixels than
            // its runs can draw is refused, so no file expands beyond the format's 255:2.
            const uint64_t codes = (b.size() - std::min<uint64_t>(b.size(), h.dataOffset)) / 2;
            CheckDataCanHold(h.width, h.height, codes * 255);
            r.samples = PackIndicesBottomUp(ExpandBmpRle(b, h.dataOffset, h.width, h.height, h.bits), h.width,
                                            h.height, h.bits);
        }
    } else {
        ReadDirectRows(b, h, r);
    }
    r.maskKey = MaskKey(r, colorMask);
    return r;
}

}  // namespace folivo::image
