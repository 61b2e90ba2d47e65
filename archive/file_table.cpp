#include "archive/file_table.hpp"

#include "archive/number_text.hpp"

namespace kv::archive {

namespace {

// Handles are numbered as the suite's own file numbers are: 1 to 511.
constexpr int16_t kLastHandle = 511;

int16_t FreeHandle(const ArchiveState& state) {
    std::vector<bool> used(kLastHandle + 1, false);
    for (const FileEntry& entry : state.files)
        if (entry.handle > 0 && entry.handle <= kLastHandle) used[static_cast<size_t>(entry.handle)] = true;
    for (int16_t handle = 1; handle <= kLastHandle; ++handle)
        if (!used[static_cast<size_t>(handle)]) return handle;
    throw platform::RuntimeError(platform::err::kTooManyFiles);
}

void CloseEntry(FileEntry& entry) {
    entry.file.reset();
    entry.isam.Clear();
    entry.handle = 0;
}

}  // namespace

FileEntry& Entry(ArchiveState& state, double NUMEROBASE) {
    long long index = WholeNumber(NUMEROBASE);
    if (index < 0 || index > kLastLogicalFile) throw platform::RuntimeError(platform::err::kSubscriptOutOfRange);
    return state.files[static_cast<size_t>(index)];
}

void ASSEGNANUMERO(ArchiveState& state, double NUMEROBASE) {
    platform::Guarded(state.services, [&] {
        FileEntry& entry = Entry(state, NUMEROBASE);
        CloseEntry(entry);
        entry.handle = FreeHandle(state);
    });
}

void CHIUDI(ArchiveState& state, double NUMEROBASE) {
    platform::Guarded(state.services, [&] {
        if (WholeNumber(NUMEROBASE) == 0) {
            for (FileEntry& entry : state.files) CloseEntry(entry);
            return;
        }
        CloseEntry(Entry(state, NUMEROBASE));
    });
}

}  // namespace kv::archive
