#include "pdf/image/bmp_rle.hpp"

#include <algorithm>

namespace folivo::image {

namespace {

// Writes pixels into the bottom-up grid the data describes; rows are flipped at the end.
class RleCanvas {
public:
    RleCanvas(int32_t width, int32_t height)
        : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

    void Put(uint8_t index) {
        if (x_ < width_ && y_ < height_) pixels_[static_cast<size_t>(y_) * static_cast<size_t>(width_) + x_] = index;
        ++x_;
    }
    void EndLine() { x_ = 0; ++y_; }
    void Move(int32_t dx, int32_t dy) { x_ += dx; y_ += dy; }
    bool Done() const { return y_ >= height_; }

    std::vector<uint8_t> TopRowFirst() const {
        std::vector<uint8_t> flipped(pixels_.size());
        const size_t w = static_cast<size_t>(width_);
        for (int32_t row = 0; row < height_; ++row) {
            const auto from = pixels_.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(row) * w);
            std::copy(from, from + static_cast<std::ptrdiff_t>(w),
                      flipped.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(height_ - 1 - row) * w));
        }
        return flipped;
    }

private:
    int32_t width_;
    int32_t height_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    std::vector<uint8_t> pixels_;
};

// The i-th index of a run or literal: whole bytes for RLE8, alternating high and low nibbles for RLE4.
uint8_t IndexOf(uint8_t byte, int32_t i, int32_t bits) {
    if (bits == 8) return byte;
    return (i % 2 == 0) ? static_cast<uint8_t>(byte >> 4) : static_cast<uint8_t>(byte & 15);
}

}  // namespace

std::vector<uint8_t> ExpandBmpRle(const ByteSource& file, uint64_t offset, int32_t width, int32_t height,
                                  int32_t bits) {
    RleCanvas canvas(width, height);
    uint64_t pos = offset;
    while (!canvas.Done()) {
        const uint8_t count = file.U8(pos);
        const uint8_t value = file.U8(pos + 1);
        pos += 2;
        if (count > 0) {
            for (int32_t i = 0; i < count; ++i) canvas.Put(IndexOf(value, i, bits));
        } else if (value == 0) {
            canvas.EndLine();
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            canvas.Move(file.U8(pos), file.U8(pos + 1));
            pos += 2;
        } else {
            // Literal run of `value` pixels, padded to a 16-bit boundary.
            const uint64_t bytes = bits == 8 ? value : (value + 1u) / 2;
            file.Require(pos, bytes, "run-length data");
            for (int32_t i = 0; i < value; ++i) {
                canvas.Put(IndexOf(file.U8(pos + static_cast<uint64_t>(bits == 8 ? i : i / 2)), i, bits));
            }
            pos += bytes + (bytes % 2);
        }
    }
    return canvas.TopRowFirst();
}

}  // namespace folivo::image
