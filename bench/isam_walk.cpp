// Read-next walk over an index of 100,000 keys (keys per second), beside one sequential pass
// over the same index file, record by record through LEGGIREC.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <unistd.h>

#include "archive/archive_state.hpp"
#include "archive/file_naming.hpp"
#include "archive/file_table.hpp"
#include "archive/isam.hpp"
#include "archive/records.hpp"

namespace {

namespace fs = std::filesystem;
using namespace kv;

constexpr double kIndexFile = 66;
constexpr int kKeyLength = 13;
constexpr int kKeys = 100000;

// A scratch archive folder whose base file names one index, filled with random keys.
class IndexUnderTest {
public:
    IndexUnderTest()
        : folder_(fs::temp_directory_path() / ("kvvelm_isam_walk_" + std::to_string(getpid()))),
          services_(platform::Files(platform::DriveMap(folder_))),
          state(services_) {
        fs::create_directories(folder_);
        WriteBaseFile();
        state.archiveFolder = folder_.string();
        archive::ISAM(state, kIndexFile, "", archive::isam::kCreate);
        std::mt19937_64 random(100000);
        char key[16];
        for (int inserted = 0; inserted < kKeys;) {
            std::snprintf(key, sizeof key, "%013llu", static_cast<unsigned long long>(random() % 10000000000000ULL));
            if (archive::ISAM(state, kIndexFile, key, archive::isam::kInsert, inserted + 1) == 0) ++inserted;
        }
    }
    ~IndexUnderTest() {
        archive::CHIUDI(state, 0);
        fs::remove_all(folder_);
    }
    double Nodes() const { return static_cast<double>(fs::file_size(folder_ / "PARCI.IDX")) / (128 * (kKeyLength + 7)); }

private:
    void WriteBaseFile() {
        std::string rows(static_cast<size_t>(kIndexFile) * archive::kBaseRecordLength, ' ');
        std::string row = "   PARCI.IDX";
        row.resize(32, ' ');
        row += std::to_string(128 * (kKeyLength + 7));
        row.resize(archive::kBaseRecordLength, ' ');
        rows.replace(static_cast<size_t>(kIndexFile - 1) * archive::kBaseRecordLength, row.size(), row);
        std::ofstream(folder_ / archive::kBaseFileName, std::ios::binary) << rows;
    }

    fs::path folder_;
    platform::Services services_;

public:
    archive::ArchiveState state;
};

void ReadNextWalk(benchmark::State& run, IndexUnderTest& index) {
    archive::ArchiveState& state = index.state;
    size_t keys = 0;
    for (auto _ : run) {
        std::string key(kKeyLength, ' ');
        keys = 0;
        while (archive::ISAM(state, kIndexFile, key, archive::isam::kReadNext) != archive::isam::kEnd) {
            key = state.CHIAVETROVATA;
            ++keys;
        }
    }
    if (keys != kKeys) run.SkipWithError("the walk did not reach every key");
    run.SetItemsProcessed(static_cast<int64_t>(run.iterations()) * kKeys);
}

void SequentialPass(benchmark::State& run, IndexUnderTest& index) {
    const double nodes = index.Nodes();
    for (auto _ : run) {
        for (double record = 1; record <= nodes; ++record) {
            benchmark::DoNotOptimize(archive::LEGGIREC(index.state, kIndexFile, record));
        }
    }
    run.SetItemsProcessed(static_cast<int64_t>(run.iterations()) * kKeys);
    run.counters["nodes"] = nodes;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    IndexUnderTest index;  // built once; both measurements run on the same file
    benchmark::RegisterBenchmark("ReadNextWalk/100000keys", ReadNextWalk, std::ref(index))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SequentialPass/100000keys", SequentialPass, std::ref(index))
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
