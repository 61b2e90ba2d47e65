// Barcode speed: building each symbology's bars from its data, and a page of 60 barcodes with
// their captions drawn into a PDF file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "pdf/barcode/barcode.hpp"
#include "pdf/folivo.hpp"

namespace {

const char* const kSamples[] = {"400638133393", "FOLIVO-39 full ascii", "12345678901234", "55555-1237",
                                "Invoice 2026/001234567890", "9638507"};

void BM_BuildSymbol(benchmark::State& state) {
    const auto type = static_cast<int32_t>(state.range(0));
    const folivo::barcode::Sizing sizing{1, 0, true, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(folivo::barcode::BuildBarcode(type, kSamples[type], sizing));
    }
}
BENCHMARK(BM_BuildSymbol)->DenseRange(0, 5);

void BM_BarcodePage(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "folivo_bench_barcodes.pdf").string();
    for (auto _ : state) {
        folivo::Folivo pdf;
        pdf.BeginDoc(path);
        pdf.BeginPage();
        for (int i = 0; i < 60; ++i) {
            float x = 20.0f + 190.0f * static_cast<float>(i % 3);
            float y = 20.0f + 40.0f * static_cast<float>(i / 3);
            pdf.DrawBarCode(i % 6, kSamples[i % 6], x, y, true, 1);
        }
        pdf.EndDoc();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_BarcodePage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
