#pragma once
// The pixel rows of a PNG picture from its inflated image data: each row's filter undone and the
// seven Adam7 passes of an interlaced file put back in place.

#include <cstdint>
#include <span>
#include <string>

namespace folivo::image {

struct PngLayout {
    uint64_t width = 0;
    uint64_t height = 0;
    uint32_t bitsPerPixel = 0;  // samples per pixel times bits per sample
    bool interlaced = false;
};

// Bytes of one row of `width` pixels.
uint64_t PngRowBytes(uint64_t width, uint32_t bitsPerPixel);

// Bytes the inflated image data must have: every row of every pass with its filter-type byte.
uint64_t PngFilteredSize(const PngLayout& layout);

// Throws the invalid-format error unless every row of non-interlaced data names a known filter.
void CheckPngFilterTypes(std::span<const uint8_t> filtered, const PngLayout& layout);

// The picture's rows, top row first, PngRowBytes(width) bytes each; `filtered` holds
// PngFilteredSize(layout) bytes.
std::string UnfilterPng(std::span<const uint8_t> filtered, const PngLayout& layout);

}  // namespace folivo::image
