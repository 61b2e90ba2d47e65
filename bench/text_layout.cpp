// Speed of Folivo's text path: measuring a line, and wrapping a long text into boxes page
// after page (measurement, line breaking and the content operators).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "pdf/folivo.hpp"

namespace {

std::string Paragraphs(int words) {
    const char* vocabulary[] = {"fattura", "compenso", "ritenuta", "d'acconto", "percipiente",
                                "Caff\xE8", "importo", "\x80", "netto", "lordo"};
    std::string text;
    for (int i = 0; i < words; ++i) {
        text += vocabulary[i % 10];
        text += (i % 97 == 96) ? "\r\n" : " ";
    }
    return text;
}

void BM_TextLength(benchmark::State& state) {
    folivo::Folivo pdf;
    pdf.SetFont("Times New Roman", 11);
    const std::string line = Paragraphs(12);
    for (auto _ : state) benchmark::DoNotOptimize(pdf.TextLength(line));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(line.size()));
}
BENCHMARK(BM_TextLength);

// Fills A4 boxes with justified text until the text is used up; the file is written to /tmp.
void BM_DrawTextBoxPages(benchmark::State& state) {
    const std::string text = Paragraphs(static_cast<int>(state.range(0)));
    const auto file = std::filesystem::temp_directory_path() / "bench_text_layout.pdf";
    for (auto _ : state) {
        folivo::Folivo pdf;
        pdf.BeginDoc(file.string());
        pdf.SetFont("Arial", 10);
        std::string rest = text;
        while (!rest.empty()) {
            pdf.BeginPage();
            rest = pdf.DrawTextBox(50, 50, 496, 742, rest, 20, 64, 1);
        }
        pdf.EndDoc();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(file);
}
BENCHMARK(BM_DrawTextBoxPages)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
