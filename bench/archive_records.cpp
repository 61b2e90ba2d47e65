// Record access speed: a sequential walk with LEGGIREC over a file of fixed-length records, writing
// with SCRIVIREC, and naming a file through the base file (DAMMIFILE reads QTBASE.DAT each time).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "archive/file_naming.hpp"
#include "archive/file_open.hpp"
#include "archive/records.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kv;

constexpr int kRecordLength = 3100;  // about the length of a company record
constexpr int kRecords = 2000;

struct Scratch {
    Scratch() : services(platform::Files(platform::DriveMap(folder / "drives"))), state(services) {
        fs::create_directories(folder);
        std::string base = "001" + std::string("DITTE.DAT").append(20, ' ') + "03100";
        base.resize(archive::kBaseRecordLength, ' ');
        std::ofstream(folder / archive::kBaseFileName, std::ios::binary) << base;
        std::ofstream(folder / "DITTE.DAT", std::ios::binary)
            << std::string(static_cast<size_t>(kRecordLength) * kRecords, 'x');
        state.archiveFolder = folder.string();
    }
    ~Scratch() { fs::remove_all(folder); }

    fs::path folder = fs::temp_directory_path() / ("kvvelm-bench-" + std::to_string(::getpid()));
    platform::Services services;
    archive::ArchiveState state;
};

void BM_SequentialRead(benchmark::State& bench) {
    Scratch scratch;
    archive::FAIOPEN(scratch.state, 1);
    for (auto _ : bench) {
        double record = 1;
        while (archive::LEGGIREC(scratch.state, 1, record) == 0) ++record;
        benchmark::DoNotOptimize(record);
    }
    bench.SetItemsProcessed(bench.iterations() * kRecords);
    bench.SetBytesProcessed(bench.iterations() * kRecords * int64_t{kRecordLength});
}
BENCHMARK(BM_SequentialRead);

void BM_WriteRecord(benchmark::State& bench) {
    Scratch scratch;
    archive::FAIOPEN(scratch.state, 1);
    std::string text(kRecordLength, 'y');
    double record = 1;
    for (auto _ : bench) {
        archive::SCRIVIREC(scratch.state, 1, record, text);
        record = record >= kRecords ? 1 : record + 1;
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WriteRecord);

void BM_NameThroughBaseFile(benchmark::State& bench) {
    Scratch scratch;
    for (auto _ : bench) benchmark::DoNotOptimize(archive::DAMMIFILE(scratch.state, 1));
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_NameThroughBaseFile);

}  // namespace

BENCHMARK_MAIN();
