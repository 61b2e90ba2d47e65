#include "archive/file_open.hpp"

#include <cmath>

#include "archive/file_naming.hpp"
#include "archive/file_table.hpp"

namespace kv::archive {

namespace {

using platform::OpenMode;
using platform::RuntimeError;

double OpenForRecords(ArchiveState& state, double NUMEROBASE) {
    if (!(NUMEROBASE > 0)) return 0;
    ASSEGNANUMERO(state, NUMEROBASE);
    std::string path = DAMMIFILE(state, NUMEROBASE);
    double length = state.lastRecordLength;
    // Checked before anything is sized by it ("9e9" reads as a number too).
    if (!(length >= 1 && length <= kLargestRecordLength) || length != std::floor(length))
        throw RuntimeError(platform::err::kBadRecordLength);
    FileEntry& entry = Entry(state, NUMEROBASE);
    entry.file = state.services.files.Open(path, OpenMode::ReadWriteOrRead);
    entry.buffer.assign(static_cast<size_t>(length), ' ');
    entry.recordLength = length;
    return length;
}

void OpenForLines(ArchiveState& state, double NUMEROBASE, int mode) {
    if (!(NUMEROBASE > 0)) return;
    if (mode != 0 && mode != 1) throw RuntimeError(platform::err::kInvalidArgument);
    ASSEGNANUMERO(state, NUMEROBASE);
    std::string path = DAMMIFILE(state, NUMEROBASE);
    if (mode == 1 && ESISTEFILE(state, path)) state.services.files.Delete(path);
    Entry(state, NUMEROBASE).file = state.services.files.Open(path, mode == 0 ? OpenMode::Read : OpenMode::WriteNew);
}

double FilledFile(ArchiveState& state, double NUMEROBASE) {
    if (!(NUMEROBASE > 0)) return 0;
    std::string path = DAMMIFILE(state, NUMEROBASE);
    const platform::Files& files = state.services.files;
    return files.Exists(path) && files.Length(path) != 0 ? 1 : 0;
}

void DeleteFilled(ArchiveState& state, double NUMEROBASE) {
    SavedCodes codes = SaveCodes(state);
    if (!(NUMEROBASE > 0)) return;
    CHIUDI(state, NUMEROBASE);
    if (VERBASE(state, NUMEROBASE) == 0) return;
    RestoreCodes(state, codes);
    std::string path = DAMMIFILE(state, NUMEROBASE);
    if (path.empty()) return;
    CHIUDI(state, NUMEROBASE);
    if (state.services.files.Length(path) > 0) state.services.files.Delete(path);
}

}  // namespace

double FAIOPEN(ArchiveState& state, double NUMEROBASE) {
    state.services.trail.TRACCIA("FAIOPEN");
    return platform::Guarded(state.services, [&] { return OpenForRecords(state, NUMEROBASE); });
}

void FAIOPENIO(ArchiveState& state, double NUMEROBASE, int mode) {
    state.services.trail.TRACCIA("FAIOPENIO");
    platform::Guarded(state.services, [&] { OpenForLines(state, NUMEROBASE, mode); });
}

double VERBASE(ArchiveState& state, double NUMEROBASE) {
    state.services.trail.TRACCIA("VERBASE");
    return platform::Guarded(state.services, [&] { return FilledFile(state, NUMEROBASE); });
}

void ELIMINA(ArchiveState& state, double NUMEROBASE) {
    state.services.trail.TRACCIA("ELIMINA");
    platform::Guarded(state.services, [&] { DeleteFilled(state, NUMEROBASE); });
}

void RICREA(ArchiveState& state, double NUMEROBASE) {
    SavedCodes codes = SaveCodes(state);
    ELIMINA(state, NUMEROBASE);
    RestoreCodes(state, codes);
    FAIOPEN(state, NUMEROBASE);
}

bool ESISTEFILE(ArchiveState& state, const std::string& path) {
    try {
        state.services.files.Open(path, OpenMode::Read);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace kv::archive
