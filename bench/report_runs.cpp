// Whole report runs on the demo installation, all companies, all months, to PDF files: the
// collection through the ISAM index, the layout and Folivo writing. Arg: the demo's note scale
// (1 is about 60 notes per company; items processed are the fee notes of the year).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "app/program_end.hpp"
#include "app/start_up.hpp"
#include "platform/scripted_dialogs.hpp"
#include "reports/certificates_report.hpp"
#include "reports/documents_report.hpp"
#include "reports/register_report.hpp"
#include "tools/demo/demo_companies.hpp"
#include "tools/demo/demo_writer.hpp"
#include "tools/demo/fee_note_writer.hpp"

namespace {

namespace fs = std::filesystem;
using Report = kv::reports::ReportOutcome (*)(const kv::reports::ReportContext&, const kv::reports::ReportRequest&);

fs::path MakeInstallation(int scale) {
    const fs::path root = fs::temp_directory_path() /
                          ("kvvelm-bench-reports-" + std::to_string(::getpid()) + "-" + std::to_string(scale));
    fs::remove_all(root);
    kv::demo::DemoWriter writer(root);
    writer.WriteStartUpPart();
    kv::demo::WriteFeeNotePart(writer, kv::demo::FeeNoteOptions{scale});
    return root;
}

kv::reports::ReportRequest AllCompanies() {
    kv::reports::ReportRequest request;
    for (const kv::demo::DemoCompany& company : kv::demo::DemoCompanies()) {
        char code[4];
        std::snprintf(code, sizeof code, "%03d", company.code);
        request.companies.push_back({static_cast<int>(request.companies.size()), code, code});
    }
    request.allMonths = true;
    request.yearText = std::to_string(kv::demo::DemoCurrentYear() - 1);
    request.certificateDate = "31/01/2025";
    request.screenCaption = "KVVELM";
    return request;
}

void Run(benchmark::State& state, Report report) {
    const int scale = static_cast<int>(state.range(0));
    const fs::path root = MakeInstallation(scale);
    kv::demo::DemoPaths paths(root);
    kv::app::Environment environment;
    environment.registryFile = paths.registryFile;
    environment.drivesRoot = paths.drivesRoot;
    environment.lockFile = root / "kvvelm.lock";
    kv::platform::ScriptedDialogs dialogs;
    kv::platform::FixedPrinters printers({"KVVELM_Laser"}, "KVVELM_Laser");
    kv::platform::FixedClock clock({2026, 12, 6, 9, 0, 0, 60});
    kv::app::Program program(environment, dialogs, printers, clock);
    kv::app::StartUp(program);
    program.output.MODOPDF = true;
    const kv::reports::ReportContext context{program.archive, program.output, program.start.currentPeriod};
    const kv::reports::ReportRequest request = AllCompanies();
    const auto notes = kv::demo::DemoFeeNotes(kv::demo::DemoCurrentYear() - 1, kv::demo::FeeNoteOptions{scale});
    for (auto _ : state) benchmark::DoNotOptimize(report(context, request));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(notes.size()));
    kv::app::CloseAllFiles(program);
    fs::remove_all(root);
}

void BM_ListOfDocuments(benchmark::State& state) { Run(state, kv::reports::Elenco_Documenti); }
void BM_Register(benchmark::State& state) { Run(state, kv::reports::Registro_Compensi_Terzi); }
void BM_Certificates(benchmark::State& state) { Run(state, kv::reports::Elenco_Certificazioni); }

}  // namespace

BENCHMARK(BM_ListOfDocuments)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Register)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Certificates)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
