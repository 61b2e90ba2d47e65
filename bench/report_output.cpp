// A report-sized run through the output layer: pages of 60 lines of Courier New text written with
// STAMPATESTO into a compressed PDF (LZW, as the reports ask), from CREAPDF to CHIUDIPDF; and the
// same lines sent to a printer that only takes them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "archive/archive_state.hpp"
#include "output/folivo_writer.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_folders.hpp"
#include "output/print_text.hpp"
#include "platform/printer_device.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kv;

// A printer that does nothing with what it gets, so the output layer's own cost is measured.
class NullPrinter : public platform::PrinterDevice {
public:
    void SetFontName(const std::string&) override {}
    void SetFontSize(double) override {}
    void SetFontBold(bool) override {}
    std::string FontName() const override { return {}; }
    double FontSize() const override { return 0; }
    bool FontBold() const override { return false; }
    void SetCurrentX(double) override {}
    void SetCurrentY(double) override {}
    double CurrentX() const override { return 0; }
    double CurrentY() const override { return 0; }
    void Print(const std::string&) override {}
    void NewPage() override {}
    void EndDoc() override {}
};

struct Run {
    fs::path root = fs::temp_directory_path() / ("kvvelm-bench-output-" + std::to_string(::getpid()));
    platform::Services services{platform::Files(platform::DriveMap(root / "drives"))};
    archive::ArchiveState archive{services};
    output::OutputState state{services, archive, output::FolivoWriterFactory()};
    NullPrinter printer;

    Run() {
        fs::create_directories(root / "archivi");
        archive.archiveFolder = (root / "archivi").string();
        archive.buffers.DITX = "  001ROSSI SRL" + std::string(2600, ' ');
        state.printer = &printer;
    }
    ~Run() { fs::remove_all(root); }

    void Report(int pages) {
        const output::ReportDocument document{"001", output::kKindFeeNotes, "202412", "PARD_AC_", {}};
        for (int page = 0; page < pages; ++page) {
            output::BreakPrinterPage(state);
            output::OpenHeadingPage(state, document, page == 0);
            output::HeadingFont(state, 9);
            for (int row = 0; row < 60; ++row) {
                std::string line = "TOT.AMM.L.AUTONOMO:   1.234,56  SOMME NO SOG.:       0,00  RIT.OPER. : " +
                                   std::to_string(row);
                output::STAMPATESTO(state, 2.6 + row * 0.42, 0.5, line);
                std::string zero = "0,00";
                output::STAMPATESTO(state, 2.6 + row * 0.42, 15, zero);
            }
        }
        output::EndCompanyOutput(state);
    }
};

void BM_ReportToPdf(benchmark::State& bench) {
    Run run;
    run.state.MODOPDF = true;
    for (auto _ : bench) run.Report(static_cast<int>(bench.range(0)));
    bench.SetItemsProcessed(bench.iterations() * bench.range(0) * 120);
    bench.counters["pages"] = static_cast<double>(bench.range(0));
}
BENCHMARK(BM_ReportToPdf)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_ReportToPrinter(benchmark::State& bench) {
    Run run;
    for (auto _ : bench) run.Report(static_cast<int>(bench.range(0)));
    bench.SetItemsProcessed(bench.iterations() * bench.range(0) * 120);
}
BENCHMARK(BM_ReportToPrinter)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
