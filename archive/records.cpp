#include "archive/records.hpp"

#include "archive/file_table.hpp"
#include "archive/number_text.hpp"

namespace kv::archive {

namespace {

using platform::RuntimeError;

// Beyond this a record's byte position no longer fits a file offset.
constexpr long long kLastRecordNumber = 1LL << 40;

// The row after its last record and trail entry are recorded and its buffer length is checked.
FileEntry& EnterRecordAccess(ArchiveState& state, const char* name, double NUMEROBASE, double RECORD) {
    FileEntry& entry = Entry(state, NUMEROBASE);
    entry.lastRecord = RECORD;
    state.services.trail.TRACCIA(name, NUMEROBASE, RECORD);
    if (static_cast<double>(entry.buffer.size()) != entry.recordLength)
        throw RuntimeError(platform::err::kBadRecordLength);
    return entry;
}

platform::SharedFile& OpenFile(FileEntry& entry) {
    if (!entry.file) throw RuntimeError(platform::err::kBadFileNameOrNumber);
    return *entry.file;
}

uint64_t RecordOffset(const FileEntry& entry, double RECORD) {
    long long number = WholeNumber(RECORD);
    if (number < 1 || number > kLastRecordNumber) throw RuntimeError(platform::err::kBadRecordNumber);
    return static_cast<uint64_t>(number - 1) * entry.buffer.size();
}

double ReadRecord(ArchiveState& state, double NUMEROBASE, double RECORD) {
    FileEntry& entry = EnterRecordAccess(state, "LEGGIREC", NUMEROBASE, RECORD);
    platform::SharedFile& file = OpenFile(entry);
    uint64_t offset = RecordOffset(entry, RECORD);
    size_t got = file.ReadAt(offset, entry.buffer.data(), entry.buffer.size());
    if (got == entry.buffer.size()) return 0;
    // Past the end: the part not read is left blank.
    std::fill(entry.buffer.begin() + static_cast<std::ptrdiff_t>(got), entry.buffer.end(), ' ');
    return 1;
}

void WriteRecord(ArchiveState& state, double NUMEROBASE, double RECORD, const std::string& text) {
    FileEntry& entry = EnterRecordAccess(state, "SCRIVIREC", NUMEROBASE, RECORD);
    if (!text.empty()) {
        if (text.size() != entry.buffer.size()) throw RuntimeError(platform::err::kBadRecordLength);
        entry.buffer = text;
    }
    platform::SharedFile& file = OpenFile(entry);
    entry.isam.Clear();
    file.WriteAt(RecordOffset(entry, RECORD), entry.buffer);
}

}  // namespace

double LEGGIREC(ArchiveState& state, double NUMEROBASE, double RECORD) {
    // A skipped read counts as the end of the file, so that reading loops stop.
    return platform::Guarded(state.services, 1.0, [&] { return ReadRecord(state, NUMEROBASE, RECORD); });
}

void SCRIVIREC(ArchiveState& state, double NUMEROBASE, double RECORD, const std::string& text) {
    platform::Guarded(state.services, [&] { WriteRecord(state, NUMEROBASE, RECORD, text); });
}

std::string ReadTextLine(ArchiveState& state, double NUMEROBASE) {
    return platform::Guarded(state.services, [&] { return OpenFile(Entry(state, NUMEROBASE)).ReadLine(); });
}

bool TextAtEnd(ArchiveState& state, double NUMEROBASE) {
    return platform::Guarded(state.services, true, [&] { return OpenFile(Entry(state, NUMEROBASE)).AtEnd(); });
}

void WriteTextLine(ArchiveState& state, double NUMEROBASE, const std::string& line) {
    platform::Guarded(state.services, [&] { OpenFile(Entry(state, NUMEROBASE)).WriteLine(line); });
}

}  // namespace kv::archive
