// An ISAM index file as another program may have left it: find, a read-next walk over the whole
// index, then an insert and a delete on this copy. A damaged index must end in error 321.

#include <string>

#include "archive/archive_state.hpp"
#include "archive/file_naming.hpp"
#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/isam.hpp"
#include "fuzz/fuzz_support.hpp"

namespace {

using namespace kv;

constexpr double kIndexFile = 2;
constexpr int kKeyLength = 13;
constexpr int kLongestWalk = 1 << 20;  // more keys than any input can hold

std::string BaseFile() {
    std::string rows(2 * archive::kBaseRecordLength, ' ');
    rows.replace(archive::kBaseRecordLength + 3, 7, "IDX.IDX");
    rows.replace(archive::kBaseRecordLength + 32, 4, std::to_string(128 * (kKeyLength + 7)));
    return rows;
}

void Exercise(archive::ArchiveState& state) {
    std::string key(kKeyLength, ' ');
    archive::ISAM(state, kIndexFile, "0000000000042", archive::isam::kFind);
    for (int step = 0; step < kLongestWalk; ++step) {
        if (archive::ISAM(state, kIndexFile, key, archive::isam::kReadNext) == archive::isam::kEnd) break;
        key = state.CHIAVETROVATA;
    }
    archive::ISAM(state, kIndexFile, "0000000000042", archive::isam::kInsert, 7);
    archive::ISAM(state, kIndexFile, "0000000000042", archive::isam::kDelete);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ClearScratch();
    const std::string base = BaseFile();
    fuzz::WriteInput(archive::kBaseFileName, reinterpret_cast<const uint8_t*>(base.data()), base.size());
    fuzz::WriteInput("IDX.IDX", data, size);

    platform::Services services(platform::Files(platform::DriveMap(fuzz::ScratchFolder() / "drives")));
    archive::ArchiveState state(services);
    state.archiveFolder = fuzz::ScratchFolder().string();
    try {
        archive::FAIOPEN(state, kIndexFile);
        Exercise(state);
    } catch (const platform::RuntimeError&) {
    } catch (const platform::ProgramEnd&) {
    }
    archive::CHIUDI(state, 0);
    return 0;
}
