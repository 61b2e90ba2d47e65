// The Qt printer object printing report pages to a PDF file (QPrinter's PDF output, the same
// rendering CUPS receives): pages per second for a full list-of-documents page, and the cost of a
// job that holds one line (a company with little to print).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/qt/qt_printer_device.hpp"
#include "platform/qt/qt_session.hpp"

namespace {

namespace fs = std::filesystem;
using kv::platform::qt::PrintTarget;
using kv::platform::qt::QtPrinterDevice;

constexpr int kLinesPerPage = 70;
constexpr double kRowTwips = 0.35 * 567;

fs::path OutputFile() { return fs::temp_directory_path() / "kvvelm-bench-qt-print.pdf"; }

void PrintPage(QtPrinterDevice& printer, const std::string& line) {
    for (int row = 0; row < kLinesPerPage; ++row) {
        printer.SetFontBold(row % 10 == 0);
        printer.SetCurrentX(113);
        printer.SetCurrentY(row * kRowTwips);
        printer.Print(line);
    }
}

void BM_PrintPagesOfOneJob(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const std::string line = "TOT.AMM.L.AUTONOMO:   2367,50 SOMME NO SOG.:       0,00 RIT.OPER. :     473,50 "
                             "SPESE ANT.:       0,00";
    QtPrinterDevice printer([] { return PrintTarget{"", OutputFile().string()}; });
    printer.SetFontName("Courier New");
    printer.SetFontSize(9);
    for (auto _ : state) {
        for (int page = 0; page < pages; ++page) {
            if (page > 0) printer.NewPage();
            PrintPage(printer, line);
        }
        printer.EndDoc();
    }
    state.counters["pages/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * pages,
                                                   benchmark::Counter::kIsRate);
    state.counters["bytes/page"] = static_cast<double>(fs::file_size(OutputFile())) / pages;
}
BENCHMARK(BM_PrintPagesOfOneJob)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_OneLineJob(benchmark::State& state) {
    QtPrinterDevice printer([] { return PrintTarget{"", OutputFile().string()}; });
    for (auto _ : state) {
        printer.Print("DITTA: 001 ROSSI COSTRUZIONI S.R.L.");
        printer.EndDoc();
    }
    state.counters["jobs/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OneLineJob)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    kv::platform::qt::QtSession qt;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove(OutputFile(), ignored);
    return 0;
}
