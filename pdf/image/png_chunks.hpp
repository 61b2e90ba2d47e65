#pragma once
// The chunks of a PNG file that a picture needs: the header, the palette, the transparency and the
// image data joined from its IDAT chunks. Every chunk's length and CRC is checked.

#include <cstdint>
#include <string>
#include <string_view>

namespace folivo::image {

enum PngColorType : uint8_t { kPngGrey = 0, kPngRgb = 2, kPngPalette = 3, kPngGreyAlpha = 4, kPngRgba = 6 };

struct PngFile {
    uint32_t width = 0;
    uint32_t height = 0;
    uint8_t depth = 0;      // bits per sample (per palette index for kPngPalette)
    uint8_t colorType = 0;
    bool interlaced = false;  // Adam7
    std::string palette;      // R, G, B bytes
    std::string transparency; // the tRNS chunk's data, empty when there is none
    std::string data;         // the zlib stream of the pixels
};

// Samples per pixel of a colour type.
uint32_t PngChannels(uint8_t colorType);

// Throws the invalid-format error for a damaged or unsupported file.
PngFile ReadPngChunks(std::string_view file);

}  // namespace folivo::image
