// Start-up on a generated installation: registry, launch file, holder, opening the archives, the
// company list and the standard printer. Arg: number of companies in the company archive.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "app/start_up.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/demo_companies.hpp"
#include "tools/demo/demo_writer.hpp"

namespace {

namespace fs = std::filesystem;

// A demo installation whose company archive is repeated up to `companies` records.
fs::path MakeInstallation(int companies) {
    fs::path root = fs::temp_directory_path() /
                    ("kvvelm-bench-" + std::to_string(::getpid()) + "-" + std::to_string(companies));
    fs::remove_all(root);
    kv::demo::DemoWriter writer(root);
    writer.WriteStartUpPart();
    std::vector<std::string> records;
    const auto& demo = kv::demo::DemoCompanies();
    for (int code = 1; code <= companies; ++code) {
        kv::demo::DemoCompany company = demo[static_cast<std::size_t>(code - 1) % demo.size()];
        company.code = code % 1000;
        records.push_back(kv::demo::CompanyRecord(
            company, static_cast<std::size_t>(kv::demo::DemoRecordLength(1))));
    }
    writer.WriteRecords(1, records);
    return root;
}

void BM_StartUp(benchmark::State& state) {
    fs::path root = MakeInstallation(static_cast<int>(state.range(0)));
    kv::demo::DemoPaths paths(root);
    kv::app::Environment environment;
    environment.registryFile = paths.registryFile;
    environment.drivesRoot = paths.drivesRoot;
    environment.lockFile = root / "kvvelm.lock";
    kv::platform::ScriptedDialogs dialogs;
    kv::platform::FixedPrinters printers({"Ufficio_Inkjet", "KVVELM_Laser"}, "Ufficio_Inkjet");
    kv::platform::FixedClock clock({2026, 12, 6, 9, 0, 0, 60});
    for (auto _ : state) {
        kv::app::Program program(environment, dialogs, printers, clock);
        kv::app::StartUp(program);
        benchmark::DoNotOptimize(program.screen.companies.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    fs::remove_all(root);
}
BENCHMARK(BM_StartUp)->Arg(8)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
