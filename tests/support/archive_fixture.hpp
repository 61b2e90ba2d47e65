#pragma once
// A scratch archive folder with a base file, a fresh archive state, scripted dialogs and a recording
// error reporter that ends the program as the real one does.

#include <map>
#include <string>
#include <vector>

#include "archive/archive_state.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/support/test_support.hpp"
#include "tools/demo/base_layout.hpp"

namespace kv::test {

struct ReportedError {
    int number;
    std::string description;
    std::vector<std::string> trail;
    std::string text;
};

class RecordingReporter : public platform::ErrorReporter {
public:
    platform::ErrorAction SEGNALAERRORE(const platform::RuntimeError& error, const platform::CallTrail& trail) override {
        reported.push_back({error.number(), error.description(), trail.Lines(), platform::ErrorReportText(error, trail)});
        throw platform::ProgramEnd(platform::exit_status::kFatal, error.what());
    }
    std::vector<ReportedError> reported;
};

// One base-file row: file-name template and record length.
struct BaseRow {
    std::string nameTemplate;
    int recordLength;
};

class ArchiveFixture {
public:
    explicit ArchiveFixture(const std::map<int, BaseRow>& rows)
        : services(platform::Files(platform::DriveMap(dir.path() / "drives"))) {
        std::filesystem::create_directories(Folder());
        std::filesystem::create_directories(DrivesRoot());
        WriteBase(rows);
        services.dialogs = &dialogs;
        services.reporter = &reporter;
        state.archiveFolder = Folder().string();
    }

    std::filesystem::path Folder() const { return dir.path() / "archivi"; }
    std::filesystem::path DrivesRoot() const { return dir.path() / "drives"; }
    // Writes the base file with the rows at their logical file numbers (others blank).
    void WriteBase(const std::map<int, BaseRow>& rows) const {
        std::vector<demo::BaseRow> base;
        for (const auto& [number, row] : rows) base.push_back({number, row.nameTemplate, row.recordLength});
        WriteFile(Folder() / "QTBASE.DAT", demo::BaseFileBytes(base));
    }

    TempDir dir{"archive"};
    platform::ScriptedDialogs dialogs;
    RecordingReporter reporter;
    platform::Services services;
    archive::ArchiveState state{services};
};

}  // namespace kv::test
