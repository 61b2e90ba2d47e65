// Drawing with Folivo: shapes per second into an open page (path text, formatting and the content
// buffer), and a whole page of a thousand mixed shapes written to a file.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "pdf/folivo.hpp"

namespace {

class BenchHost : public folivo::Host {
public:
    bool ShowRetryMessage(const std::string&, const std::string&) override { return false; }
    void ShellOpen(const std::string&) override {}
    folivo::LocalTime Now() override { return {2026, 12, 6, 12, 0, 0}; }
    double Random() override { return 0.5; }
};

std::string BenchFile() { return (std::filesystem::temp_directory_path() / "kv_bench_graphics.pdf").string(); }

void DrawMixed(folivo::Folivo& pdf, int i) {
    const auto x = static_cast<float>(i % 50) * 10;
    const auto y = static_cast<float>(i / 50 % 80) * 10;
    switch (i % 4) {
        case 0: pdf.DrawRect(x, y, 8, 8, 0, 2); break;
        case 1: pdf.DrawEllipse(x + 4, y + 4, 4, 3, 5); break;
        case 2: pdf.DrawArc(x + 4, y + 4, 4, 0, 270, 1, false, 10); break;
        default: pdf.DrawPolygon(x + 4, y + 4, 4, 6, 4); break;
    }
}

void BM_ShapesIntoPage(benchmark::State& state) {
    BenchHost host;
    folivo::Folivo pdf(host);
    pdf.BeginDoc(BenchFile());
    pdf.BeginPage();
    int i = 0;
    for (auto _ : state) DrawMixed(pdf, i++);
    pdf.Abort();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShapesIntoPage);

void BM_PageOfThousandShapes(benchmark::State& state) {
    BenchHost host;
    for (auto _ : state) {
        folivo::Folivo pdf(host);
        pdf.BeginDoc(BenchFile());
        pdf.BeginPage();
        pdf.SetAlpha(50);
        pdf.AddGradient("g", 0, "red", "blue", 0, 0, 500, 0);
        pdf.SetColorFill("g");
        for (int i = 0; i < 1000; ++i) DrawMixed(pdf, i);
        pdf.EndDoc();
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_PageOfThousandShapes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
