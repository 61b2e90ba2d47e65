#include "tests/support/archive_fixture.hpp"

#include "tools/demo/base_layout.hpp"

namespace kv::test {

platform::ErrorAction RecordingReporter::SEGNALAERRORE(const platform::RuntimeError& error,
                                                       const platform::CallTrail& trail) {
    reported.push_back({error.number(), error.description(), trail.Lines(), platform::ErrorReportText(error, trail)});
    throw platform::ProgramEnd(platform::exit_status::kFatal, error.what());
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
    std::vector<demo::BaseRow> base;
    for (const auto& [number, row] : rows) base.push_back({number, row.nameTemplate, row.recordLength});
    WriteFile(Folder() / "QTBASE.DAT", demo::BaseFileBytes(base));
}

}  // namespace kv::test
