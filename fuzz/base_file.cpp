// The suite's base file as a user's installation holds it: FAIOPEN on its first rows, then
// LEGGIREC of the first records of each. Names are kept inside the scratch folder: separators in
// the name templates are replaced, so that an input never opens or creates a file elsewhere.

#include <algorithm>
#include <string>

#include "archive/archive_state.hpp"
#include "archive/file_naming.hpp"
#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "fuzz/fuzz_support.hpp"

namespace {

using namespace kv;

constexpr int kRows = 4;

std::string BaseBytes(const uint8_t* data, size_t size) {
    std::string base(reinterpret_cast<const char*>(data), std::min<size_t>(size, kRows * archive::kBaseRecordLength));
    std::replace_if(base.begin(), base.end(), [](char c) { return c == '/' || c == '\\' || c == ':'; }, '_');
    return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ClearScratch();
    const std::string base = BaseBytes(data, size);
    fuzz::WriteInput(archive::kBaseFileName, reinterpret_cast<const uint8_t*>(base.data()), base.size());
    const std::string records(1000, 'A');
    fuzz::WriteInput("DATA.DAT", reinterpret_cast<const uint8_t*>(records.data()), records.size());

    platform::Services services(platform::Files(platform::DriveMap(fuzz::ScratchFolder() / "drives")));
    archive::ArchiveState state(services);
    state.archiveFolder = fuzz::ScratchFolder().string();
    state.installationCode = "01";
    for (int row = 1; row <= kRows; ++row) {
        try {
            state.DITTA = "001";
            state.ANNO = "24";
            if (archive::FAIOPEN(state, row) <= 0) continue;
            for (int record = 1; record <= 3; ++record) archive::LEGGIREC(state, row, record);
        } catch (const platform::RuntimeError&) {
        } catch (const platform::ProgramEnd&) {
        }
    }
    archive::CHIUDI(state, 0);
    return 0;
}
