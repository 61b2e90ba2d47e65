// Bad input never crashes or hangs: it ends in the error reporter with a clear error number. Also
// sharing with another process and the read-only fallback, checked in child processes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "archive/file_naming.hpp"
#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "tests/support/archive_fixture.hpp"

namespace kv::test {
namespace {

using namespace archive;
using platform::SharedFile;
namespace fs = std::filesystem;

class BadInput : public ::testing::Test {
protected:
    ArchiveFixture fx{{{1, {"DITTE.DAT", 6}}, {4, {"ZERO.DAT", 0}}, {5, {"FILE-PDF", 4}}, {6, {"SUB\\F.DAT", 4}}}};
    ArchiveState& st = fx.state;

    // The error number that reached the reporter when the action ended the program.
    int Reported(const std::function<void()>& action) {
        size_t before = fx.reporter.reported.size();
        try {
            action();
        } catch (const platform::ProgramEnd&) {
            if (fx.reporter.reported.size() == before + 1) return fx.reporter.reported.back().number;
            return -1;
        }
        return 0;
    }
};

TEST_F(BadInput, BadRecordNumbersAndLengths) {
    FAIOPEN(st, 1);
    EXPECT_EQ(Reported([&] { LEGGIREC(st, 1, 0); }), 63);
    EXPECT_EQ(Reported([&] { LEGGIREC(st, 1, -4); }), 63);
    EXPECT_EQ(Reported([&] { SCRIVIREC(st, 1, 1e300, "ABCDEF"); }), 63);
    EXPECT_EQ(Reported([&] { SCRIVIREC(st, 1, 1, "ABCDEFG"); }), 59);
    EXPECT_EQ(Reported([&] { SCRIVIREC(st, 1, 1, "ABCDE"); }), 59);
    EXPECT_EQ(ReadFile(fx.Folder() / "DITTE.DAT"), "");
    // A base row without a record length cannot be read record by record.
    EXPECT_EQ(Reported([&] { FAIOPEN(st, 4); }), 59);
    // Lengths that read as numbers but no base file holds: refused before anything is sized.
    for (const char* length : {"9e9  ", "9e99 ", "12.5 ", "-6   "}) {
        SharedFile base = SharedFile::Open(fx.Folder() / kBaseFileName, platform::OpenMode::ReadWrite);
        base.WriteAt(3 * kBaseRecordLength + 32, length);
        EXPECT_EQ(Reported([&] { FAIOPEN(st, 4); }), 59) << length;
    }
    EXPECT_FALSE(fs::exists(fx.Folder() / "ZERO.DAT"));
    EXPECT_EQ(Reported([&] { FAIOPENIO(st, 1, 2); }), 5);
}

TEST_F(BadInput, AnotherProcessAppendsRecordsWhileTheFileIsOpen) {
    FAIOPEN(st, 1);
    SCRIVIREC(st, 1, 1, "REC001");
    EXPECT_EQ(LEGGIREC(st, 1, 2), 1);
    std::string path = (fx.Folder() / "DITTE.DAT").string();
    CommandResult other = test::Run("printf 'REC002REC003' >> " + ShellQuote(path));
    ASSERT_EQ(other.status, 0) << other.output;
    EXPECT_EQ(LEGGIREC(st, 1, 2), 0);
    EXPECT_EQ(st.files[1].buffer, "REC002");
    EXPECT_EQ(LEGGIREC(st, 1, 3), 0);
    EXPECT_EQ(st.files[1].buffer, "REC003");
    EXPECT_EQ(LEGGIREC(st, 1, 4), 1);
    // And the other process sees what the program writes meanwhile.
    SCRIVIREC(st, 1, 2, "NEW002");
    EXPECT_EQ(test::Run("cat " + ShellQuote(path)).output, "REC001NEW002REC003");
}

// Runs a check in a child process without root's powers (as nobody when running as root) and
// returns its exit status.
int RunUnprivileged(const std::function<int()>& check) {
    pid_t child = ::fork();
    if (child == 0) {
        int status = 90;
        if (::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0)) {
            try {
                status = check();
            } catch (...) {
                status = 91;
            }
        }
        ::_exit(status);
    }
    int raw = 0;
    ::waitpid(child, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// A folder under the system's temporary folder that an unprivileged user can reach.
class ReachableFolder {
public:
    ReachableFolder() {
        std::string pattern = (fs::temp_directory_path() / "kvvelm-found-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        fs::permissions(path_, fs::perms::all);
    }
    ~ReachableFolder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, ignored);
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST_F(BadInput, ReadOnlyArchiveFileIsOpenedForReadingSoReportsStillRun) {
    ReachableFolder folder;
    fs::copy_file(fx.Folder() / "QTBASE.DAT", folder.path() / "QTBASE.DAT");
    WriteFile(folder.path() / "DITTE.DAT", "REC001REC002");
    fs::permissions(folder.path() / "DITTE.DAT", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.path() / "QTBASE.DAT", fs::perms::all);
    st.archiveFolder = folder.path().string();
    int status = RunUnprivileged([&] {
        if (FAIOPEN(st, 1) != 6) return 1;
        if (!st.files[1].file->readOnly()) return 2;
        if (LEGGIREC(st, 1, 2) != 0 || st.files[1].buffer != "REC002") return 3;
        if (Reported([&] { SCRIVIREC(st, 1, 1); }) != 70) return 4;
        return 0;
    });
    EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace kv::test
