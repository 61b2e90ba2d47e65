#include "pdf/image/png_pixels.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <vector>

#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {

enum Filter : uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };

struct Pass {
    uint64_t x0, y0, dx, dy;
};

constexpr std::array<Pass, 7> kAdam7 = {
    {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
constexpr std::array<Pass, 1> kWhole = {{{0, 0, 1, 1}}};

std::span<const Pass> PassesOf(const PngLayout& layout) {
    return layout.interlaced ? std::span<const Pass>(kAdam7) : std::span<const Pass>(kWhole);
}

// Pixels of a row or column of `full` that a pass samples from `start` every `step`.
uint64_t PassSize(uint64_t full, uint64_t start, uint64_t step) {
    return full > start ? (full - start + step - 1) / step : 0;
}

uint8_t Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Undoes one row's filter in place; `prior` is the row above, unfiltered (zeros for the first row).
void UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* prior, uint64_t length, uint64_t left) {
    for (uint64_t i = 0; i < length; ++i) {
        const int a = i >= left ? row[i - left] : 0;
        const int b = prior[i];
        const int c = i >= left ? prior[i - left] : 0;
        switch (filter) {
            case kNone: break;
            case kSub: row[i] = static_cast<uint8_t>(row[i] + a); break;
            case kUp: row[i] = static_cast<uint8_t>(row[i] + b); break;
            case kAverage: row[i] = static_cast<uint8_t>(row[i] + (a + b) / 2); break;
            case kPaeth: row[i] = static_cast<uint8_t>(row[i] + Paeth(a, b, c)); break;
            default: throw FormatError("unknown PNG filter type");
        }
    }
}

// Copies pixel `from` of a pass row to pixel `to` of a picture row, bit by bit below 8 bits.
void CopyPixel(const uint8_t* source, uint64_t from, uint8_t* target, uint64_t to, uint32_t bits) {
    if (bits >= 8) {
        const uint64_t bytes = bits / 8;
        for (uint64_t k = 0; k < bytes; ++k) target[to * bytes + k] = source[from * bytes + k];
        return;
    }
    const uint64_t fromBit = from * bits;
    const uint64_t toBit = to * bits;
    const unsigned mask = (1u << bits) - 1;
    const unsigned value = (source[fromBit / 8] >> (8 - bits - fromBit % 8)) & mask;
    const unsigned shift = 8 - bits - static_cast<unsigned>(toBit % 8);
    target[toBit / 8] = static_cast<uint8_t>((target[toBit / 8] & ~(mask << shift)) | value << shift);
}

}  // namespace

uint64_t PngRowBytes(uint64_t width, uint32_t bitsPerPixel) { return (width * bitsPerPixel + 7) / 8; }

uint64_t PngFilteredSize(const PngLayout& layout) {
    uint64_t size = 0;
    for (const Pass& p : PassesOf(layout)) {
        const uint64_t w = PassSize(layout.width, p.x0, p.dx);
        const uint64_t h = PassSize(layout.height, p.y0, p.dy);
        if (w > 0) size += h * (1 + PngRowBytes(w, layout.bitsPerPixel));
    }
    return size;
}

void CheckPngFilterTypes(std::span<const uint8_t> filtered, const PngLayout& layout) {
    const uint64_t stride = 1 + PngRowBytes(layout.width, layout.bitsPerPixel);
    for (uint64_t at = 0; at < filtered.size(); at += stride) {
        if (filtered[at] > kPaeth) throw FormatError("unknown PNG filter type");
    }
}

std::string UnfilterPng(std::span<const uint8_t> filtered, const PngLayout& layout) {
    const uint64_t rowBytes = PngRowBytes(layout.width, layout.bitsPerPixel);
    const uint64_t left = layout.bitsPerPixel < 8 ? 1 : layout.bitsPerPixel / 8;
    std::string picture(rowBytes * layout.height, '\0');
    auto* out = reinterpret_cast<uint8_t*>(picture.data());
    uint64_t pos = 0;
    for (const Pass& p : PassesOf(layout)) {
        const uint64_t w = PassSize(layout.width, p.x0, p.dx);
        const uint64_t h = PassSize(layout.height, p.y0, p.dy);
        if (w == 0 || h == 0) continue;
        const uint64_t passRow = PngRowBytes(w, layout.bitsPerPixel);
        // Only the row above is needed to undo a filter: two rows, taking turns.
        std::vector<uint8_t> prior(passRow, 0);
        std::vector<uint8_t> row(passRow);
        for (uint64_t y = 0; y < h; ++y, pos += 1 + passRow) {
            std::copy_n(filtered.begin() + static_cast<std::ptrdiff_t>(pos + 1), passRow, row.begin());
            UnfilterRow(filtered[pos], row.data(), prior.data(), passRow, left);
            uint8_t* target = out + (p.y0 + y * p.dy) * rowBytes;
            if (p.dx == 1) {
                std::copy(row.begin(), row.end(), target);
            } else {
                for (uint64_t x = 0; x < w; ++x) CopyPixel(row.data(), x, target, p.x0 + x * p.dx, layout.bitsPerPixel);
            }
            row.swap(prior);
        }
    }
    return picture;
}

}  // namespace folivo::image
