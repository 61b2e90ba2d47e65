// Opening, testing, deleting and recreating archive files, text files, and the file table's handles;
// record input and output through the file table: numbering, end of file, bad lengths. Bad input
// never crashes or hangs: it ends in the error reporter with a clear error number. Also sharing with
// another process and the read-only fallback, checked in child processes.
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

class Opening : public ::testing::Test {
protected:
    ArchiveFixture fx{{{1, {"DITTE.DAT", 8}},
                       {2, {"PAR###.DAT", 4}},
                       {3, {"STAMPA.TXT", 1}},
                       {4, {"ZERO.DAT", 0}},
                       {5, {"FILE-PDF", 4}}}};
    ArchiveState& st = fx.state;
};

TEST_F(Opening, FaiopenCreatesAMissingFileAndSetsTheRow) {
    EXPECT_EQ(FAIOPEN(st, 1), 8);
    EXPECT_TRUE(fs::exists(fx.Folder() / "DITTE.DAT"));
    EXPECT_EQ(fs::file_size(fx.Folder() / "DITTE.DAT"), 0u);
    EXPECT_EQ(st.files[1].buffer, std::string(8, ' '));
    EXPECT_EQ(st.files[1].recordLength, 8);
    EXPECT_GT(st.files[1].handle, 0);
    EXPECT_EQ(LEGGIREC(st, 1, 1), 1);
    EXPECT_EQ(FAIOPEN(st, 0), 0);

    // Each open row has its own handle; reopening a row first closes it.
    st.DITTA = "3";
    FAIOPEN(st, 2);
    EXPECT_NE(st.files[2].handle, st.files[1].handle);
    int16_t before = st.files[1].handle;
    FAIOPEN(st, 1);
    EXPECT_EQ(st.files[1].handle, before);
}

TEST_F(Opening, EliminaDeletesAFilledFileAndRicreaReopensItEmpty) {
    WriteFile(fx.Folder() / "PAR005.DAT", "ABCDEFGH");
    st.DITTA = "5";
    FAIOPEN(st, 2);
    st.DITTA = "5";
    EXPECT_EQ(VERBASE(st, 2), 1);
    EXPECT_EQ(st.DITTA, "");
    st.DITTA = "5";
    RICREA(st, 2);
    EXPECT_TRUE(fs::exists(fx.Folder() / "PAR005.DAT"));
    EXPECT_EQ(fs::file_size(fx.Folder() / "PAR005.DAT"), 0u);
    ASSERT_TRUE(st.files[2].file.has_value());
    SCRIVIREC(st, 2, 1, "WXYZ");
    EXPECT_EQ(ReadFile(fx.Folder() / "PAR005.DAT"), "WXYZ");

    st.DITTA = "5";
    ELIMINA(st, 2);
    EXPECT_FALSE(fs::exists(fx.Folder() / "PAR005.DAT"));
    EXPECT_FALSE(st.files[2].file.has_value());
    EXPECT_EQ(st.files[2].handle, 0);
    EXPECT_TRUE(fx.dialogs.shown().empty());
}

TEST_F(Opening, TextFilesAreRewrittenAndReadByLines) {
    WriteFile(fx.Folder() / "STAMPA.TXT", "old\r\nold\r\nold\r\n");
    FAIOPENIO(st, 3, 1);
    WriteTextLine(st, 3, "riga uno");
    WriteTextLine(st, 3, "KVVELM_Laser");
    CHIUDI(st, 3);
    EXPECT_EQ(ReadFile(fx.Folder() / "STAMPA.TXT"), "riga uno\r\nKVVELM_Laser\r\n");
    FAIOPENIO(st, 3, 0);
    EXPECT_EQ(ReadTextLine(st, 3), "riga uno");
    EXPECT_FALSE(TextAtEnd(st, 3));
    EXPECT_EQ(ReadTextLine(st, 3), "KVVELM_Laser");
    EXPECT_TRUE(TextAtEnd(st, 3));
    CHIUDI(st, 3);
    // Reading a line past the end is an error for the reporter.
    WriteFile(fx.Folder() / "STAMPA.TXT", "");
    FAIOPENIO(st, 3, 0);
    EXPECT_THROW(ReadTextLine(st, 3), platform::ProgramEnd);
    EXPECT_EQ(fx.reporter.reported.at(0).number, 62);
}

class Records : public ::testing::Test {
protected:
    ArchiveFixture fx{{{1, {"DITTE.DAT", 5}}, {63, {"PERC.DAT", 4}}}};
    archive::ArchiveState& st = fx.state;
};

TEST_F(Records, ReadEndsExactlyAfterTheLastCompleteRecord) {
    WriteFile(fx.Folder() / "DITTE.DAT", "AAAAABBBBBCCCCCdd");
    ASSERT_EQ(FAIOPEN(st, 1), 5);
    EXPECT_EQ(LEGGIREC(st, 1, 1), 0);
    EXPECT_EQ(st.files[1].buffer, "AAAAA");
    EXPECT_EQ(LEGGIREC(st, 1, 3), 0);
    EXPECT_EQ(st.files[1].buffer, "CCCCC");
    EXPECT_EQ(st.files[1].lastRecord, 3);
    // Record 4 holds only two bytes: the read runs into the end, the buffer keeps its length.
    EXPECT_EQ(LEGGIREC(st, 1, 4), 1);
    EXPECT_EQ(st.files[1].buffer.size(), 5u);
    EXPECT_EQ(LEGGIREC(st, 1, 5), 1);
    EXPECT_TRUE(fx.reporter.reported.empty());
}

// The report's text holds the error and the trail, the failing call last.
TEST_F(Records, WrongLengthReachesTheReporterWithErrorAndTrail) {
    FAIOPEN(st, 63);
    EXPECT_THROW(SCRIVIREC(st, 63, 12, "ABC"), platform::ProgramEnd);
    // A buffer whose length no longer matches the record length fails the read the same way.
    st.files[63].buffer = "ABC";
    EXPECT_THROW(LEGGIREC(st, 63, 12), platform::ProgramEnd);
    const std::string error = "Errore 59 Bad record length\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    const std::string trail = "FAIOPEN\r\nDAMMIFILE$ (63)\r\nSCRIVIREC (63-12)\r\n";
    ASSERT_EQ(fx.reporter.reported.size(), 2u);
    EXPECT_EQ(fx.reporter.reported[0].text, error + "\r\n" + trail);
    EXPECT_EQ(fx.reporter.reported[1].text, error + trail + "LEGGIREC (63-12)\r\n");
}

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
