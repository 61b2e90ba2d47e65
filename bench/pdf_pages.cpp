// Writing report-like documents with Folivo: pages per second, and how much memory the writer
// keeps per finished page (only the open page's content should be held).

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "pdf/folivo.hpp"

namespace {

constexpr int kLinesPerPage = 60;
constexpr int kCharsPerLine = 105;

// A fixed host, so every run writes the same bytes.
class BenchHost : public folivo::Host {
public:
    bool ShowRetryMessage(const std::string&, const std::string&) override { return false; }
    void ShellOpen(const std::string&) override {}
    folivo::LocalTime Now() override { return {2026, 12, 6, 12, 0, 0}; }
    double Random() override { return 0.5; }
};

// Rows of a fee-note register: fixed-width text of 105 characters.
std::vector<std::string> ReportLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < kLinesPerPage; ++i) {
        char row[160];
        std::snprintf(row, sizeof row,
                      "%06d ROSSI MARIO STUDIO TECNICO ASSOCIATO  %02d/%02d/2026 FT%05d  %10d,%02d %9d,%02d %9d,%02d", i,
                      i % 28 + 1, i % 12 + 1, 1000 + i, 12345 + i * 7, i % 100, 2469 + i, (i * 3) % 100,
                      9876 + i * 5, (i * 7) % 100);
        std::string line(row);
        line.resize(kCharsPerLine, ' ');
        lines.push_back(line);
    }
    return lines;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

// range(0): pages; range(1): compression mode (0 none, 2 Flate, as the reports use).
void BM_ReportPages(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const auto compression = static_cast<int32_t>(state.range(1));
    const auto lines = ReportLines();
    const std::string path =
        (std::filesystem::temp_directory_path() / ("folivo_bench_" + std::to_string(pages) + ".pdf")).string();
    double growthPerPage = 0;
    size_t peak = 0;
    for (auto _ : state) {
        BenchHost host;
        folivo::Folivo pdf(host);
        pdf.SetScale(3);
        pdf.SetCompression(compression);
        pdf.BeginDoc(path);
        pdf.SetFont("Courier New", 8);
        const size_t before = HeapInUse();
        size_t afterFirst = 0;
        for (int page = 1; page <= pages; ++page) {
            pdf.BeginPage();
            for (int i = 0; i < kLinesPerPage; ++i) pdf.DrawText(1.0f, 1.5f + i * 0.44f, lines[i]);
            peak = std::max(peak, HeapInUse() - before);  // the open page at its fullest
            pdf.EndPage();
            if (page == 1) afterFirst = HeapInUse();
        }
        const size_t afterLast = HeapInUse();
        pdf.EndDoc();
        growthPerPage = pages > 1 ? (static_cast<double>(afterLast) - static_cast<double>(afterFirst)) / (pages - 1) : 0;
        benchmark::DoNotOptimize(pdf.FileSize());
    }
    std::filesystem::remove(path);
    state.counters["pages_per_s"] = benchmark::Counter(static_cast<double>(pages) * state.iterations(),
                                                       benchmark::Counter::kIsRate);
    state.counters["bytes_per_page_kept"] = growthPerPage;
    state.counters["peak_heap_bytes"] = static_cast<double>(peak);
}

BENCHMARK(BM_ReportPages)
    ->ArgsProduct({{100, 1000, 10000}, {0, 2}})
    ->ArgNames({"pages", "compression"})
    ->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
