#pragma once
// A scratch archive folder with a base file, a fresh archive state, scripted dialogs and a recording
// error reporter that ends the program as the real one does.

#include <map>
#include <string>
#include <vector>

#include "archive/archive_state.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/support/test_support.hpp"

namespace kv::test {

struct ReportedError {
    int number;
    std::string description;
    std::vector<std::string> trail;
    std::string text;
};

class RecordingReporter : public platform::ErrorReporter {
public:
    platform::ErrorAction SEGNALAERRORE(const platform::RuntimeError& error, const platform::CallTrail& trail) override;
    std::vector<ReportedError> reported;
};

// One base-file row: file-name template and record length.
struct BaseRow {
    std::string nameTemplate;
    int recordLength;
};

class ArchiveFixture {
public:
    explicit ArchiveFixture(const std::map<int, BaseRow>& rows);

    std::filesystem::path Folder() const { return dir.path() / "archivi"; }
    std::filesystem::path DrivesRoot() const { return dir.path() / "drives"; }
    // Writes the base file with the rows at their logical file numbers (others blank).
    void WriteBase(const std::map<int, BaseRow>& rows) const;

    TempDir dir{"archive"};
    platform::ScriptedDialogs dialogs;
    RecordingReporter reporter;
    platform::Services services;
    archive::ArchiveState state{services};
};

}  // namespace kv::test
