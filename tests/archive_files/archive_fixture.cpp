#include "tests/archive_files/archive_fixture.hpp"

#include <cstdio>

namespace kv::test {

platform::ErrorAction RecordingReporter::SEGNALAERRORE(const platform::RuntimeError& error,
                                                       const platform::CallTrail& trail) {
    reported.push_back({error.number(), error.description(), trail.Lines(), platform::ErrorReportText(error, trail)});
    throw platform::ProgramEnd(platform::exit_status::kFatal, error.what());
}

std::string BaseRecord(const BaseRow& row) {
    char length[8];
    std::snprintf(length, sizeof length, "%05d", row.recordLength);
    std::string name = row.nameTemplate;
    name.resize(29, ' ');
    std::string record = "001" + name + length;
    record.resize(79, ' ');
    return record;
}

ArchiveFixture::ArchiveFixture(const std::map<int, BaseRow>& rows)
    : services(platform::Files(platform::DriveMap(dir.path() / "drives"))) {
    std::filesystem::create_directories(Folder());
    std::filesystem::create_directories(DrivesRoot());
    WriteBase(rows);
    services.dialogs = &dialogs;
    services.reporter = &reporter;
    state.archiveFolder = Folder().string();
}

void ArchiveFixture::WriteBase(const std::map<int, BaseRow>& rows) const {
    int last = rows.empty() ? 0 : rows.rbegin()->first;
    std::string base;
    for (int number = 1; number <= last; ++number) {
        auto row = rows.find(number);
        base += row == rows.end() ? std::string(79, ' ') : BaseRecord(row->second);
    }
    WriteFile(Folder() / "QTBASE.DAT", base);
}

}  // namespace kv::test
