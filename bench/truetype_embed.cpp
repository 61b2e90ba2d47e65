// TrueType cost: reading a font's metrics from memory, and a one-page document that embeds the
// font with Flate compression.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "pdf/folivo.hpp"
#include "pdf/truetype/truetype_font.hpp"

namespace {

const std::string kFont = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

void ReadMetrics(benchmark::State& state) {
    std::ifstream in(kFont, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : state) benchmark::DoNotOptimize(folivo::truetype::ReadTrueType(bytes));
}
BENCHMARK(ReadMetrics)->Unit(benchmark::kMicrosecond);

void EmbedInDocument(benchmark::State& state) {
    const auto out = std::filesystem::temp_directory_path() / "bench_truetype_embed.pdf";
    for (auto _ : state) {
        folivo::Folivo pdf;
        pdf.BeginDoc(out.string());
        pdf.SetCompression(static_cast<int32_t>(state.range(0)));
        pdf.AddFont(kFont, "Body");
        pdf.BeginPage();
        pdf.SetFont("Body", 12);
        pdf.DrawText(10, 10, "Registro compensi a terzi");
        pdf.EndDoc();
    }
    std::filesystem::remove(out);
}
BENCHMARK(EmbedInDocument)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
