#include "pdf/image/raster.hpp"

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

void CheckDimensions(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) throw FormatError("zero or negative image size");
    if (width > kMaxPixels || height > kMaxPixels || width * height > kMaxPixels) {
        throw FormatError("image size too large");
    }
}

void CheckDataCanHold(int64_t width, int64_t height, uint64_t most) {
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > most) {
        throw FormatError("image size beyond what its data can hold");
    }
}

void SetSoftMask(Raster& r, std::string alpha) {
    if (alpha.find_first_not_of('\xFF') != std::string::npos) r.alpha = std::move(alpha);
}

void SetSoftMaskUnlessAllZero(Raster& r, std::string alpha) {
    if (alpha.find_first_not_of('\0') != std::string::npos) SetSoftMask(r, std::move(alpha));
}

int32_t IndexedDepth(int32_t bits) {
    if (bits <= 2) return bits < 1 ? 1 : bits;
    return bits <= 4 ? 4 : 8;
}

std::string PackIndicesBottomUp(const std::vector<uint8_t>& indices, int32_t width, int32_t height, int32_t bits) {
    const size_t rowBytes = (static_cast<size_t>(width) * static_cast<size_t>(bits) + 7) / 8;
    std::string packed(rowBytes * static_cast<size_t>(height), '\0');
    const unsigned mask = (1u << bits) - 1;
    for (int32_t row = 0; row < height; ++row) {
        const size_t source = static_cast<size_t>(height - 1 - row) * static_cast<size_t>(width);
        char* out = packed.data() + static_cast<size_t>(row) * rowBytes;
        for (int32_t x = 0; x < width; ++x) {
            const size_t bit = static_cast<size_t>(x) * static_cast<size_t>(bits);
            const unsigned shift = 8 - static_cast<unsigned>(bits) - static_cast<unsigned>(bit % 8);
            out[bit / 8] = static_cast<char>(static_cast<uint8_t>(out[bit / 8]) |
                                             (indices[source + static_cast<size_t>(x)] & mask) << shift);
        }
    }
    return packed;
}

std::string PadPalette(std::string palette, int32_t bits) {
    palette.resize(static_cast<size_t>(3) << bits, '\0');
    return palette;
}

}  // namespace folivo::image
