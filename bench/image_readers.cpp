// Reading pictures: a 1000 x 1000 24-bit BMP (row conversion) and a 1000 x 1000 GIF (LZW decoding
// and index packing), both built in memory so no outside tool is needed.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "pdf/image/bmp_reader.hpp"
#include "pdf/image/gif_reader.hpp"

namespace {

constexpr uint32_t kSide = 1000;

std::string U16(uint32_t v) { return {static_cast<char>(v & 255), static_cast<char>(v >> 8 & 255)}; }
std::string U32(uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }

std::string Bmp24() {
    const uint32_t stride = kSide * 3;  // already a multiple of 4
    std::string pixels(stride * kSide, '\0');
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<char>(i * 7 % 251);
    return "BM" + U32(54 + static_cast<uint32_t>(pixels.size())) + U32(0) + U32(54) + U32(40) + U32(kSide) +
           U32(kSide) + U16(1) + U16(24) + U32(0) + U32(static_cast<uint32_t>(pixels.size())) + U32(0) + U32(0) +
           U32(0) + U32(0) + pixels;
}

// GIF image data of 8-bit indices as 9-bit literal codes, with a clear code before the table
// would widen the codes, packed least significant bit first into sub-blocks.
std::string GifData() {
    std::string bytes;
    uint32_t buffer = 0;
    int count = 0;
    auto put = [&](uint32_t code) {
        buffer |= code << count;
        count += 9;
        while (count >= 8) {
            bytes += static_cast<char>(buffer & 255);
            buffer >>= 8;
            count -= 8;
        }
    };
    for (uint32_t i = 0; i < kSide * kSide; ++i) {
        if (i % 250 == 0) put(256);
        put(i * 13 % 256);
    }
    put(257);
    if (count > 0) bytes += static_cast<char>(buffer & 255);
    std::string blocks;
    for (size_t at = 0; at < bytes.size(); at += 255) {
        const std::string part = bytes.substr(at, 255);
        blocks += static_cast<char>(part.size()) + part;
    }
    return blocks + '\0';
}

std::string Gif8() {
    std::string palette;
    for (int i = 0; i < 256; ++i) palette += {static_cast<char>(i), static_cast<char>(255 - i), static_cast<char>(i / 2)};
    return "GIF89a" + U16(kSide) + U16(kSide) + std::string("\xF7\0\0", 3) + palette + "," + U16(0) + U16(0) +
           U16(kSide) + U16(kSide) + std::string("\0\x08", 2) + GifData() + ";";
}

void BM_ReadBmp24(benchmark::State& state) {
    const std::string file = Bmp24();
    for (auto _ : state) benchmark::DoNotOptimize(folivo::image::ReadBmp(file, ""));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_ReadBmp24)->Unit(benchmark::kMillisecond);

void BM_ReadGif8(benchmark::State& state) {
    const std::string file = Gif8();
    for (auto _ : state) benchmark::DoNotOptimize(folivo::image::ReadGif(file, 1));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kSide * kSide);
}
BENCHMARK(BM_ReadGif8)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
