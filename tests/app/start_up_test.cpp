// Start-up on a generated installation: where the folders come from, the standard printer and the
// single-instance test (the configuration errors are run through kvvelm-batch in the cli suite).

#include <gtest/gtest.h>

#include "app/installation.hpp"
#include "app/start_up.hpp"
#include "archive/file_table.hpp"
#include "platform/errors.hpp"
#include "tests/app/installation_fixture.hpp"

namespace kv::app {
namespace {

namespace fs = std::filesystem;

int EndStatus(Program& program) {
    try {
        StartUp(program);
    } catch (const platform::ProgramEnd& end) {
        return end.status();
    }
    return -1;
}

int OpenFiles(Program& program) {
    int open = 0;
    for (const archive::FileEntry& entry : program.archive.files) open += entry.handle != 0;
    return open;
}

class StartUpTest : public InstallationTest {
protected:
    // Legacy path files naming the demo archive folder and a program folder of their own.
    void WriteLegacyFiles(const std::string& archiveLine, const std::string& programLine) {
        test::WriteFile(Drive("PQTPAGHE/QTPERARK.QTP"), archiveLine + "\r\n");
        test::WriteFile(Drive("PQTPAGHE/QTPERPRO.QTP"), programLine + "\r\n");
    }

    std::string LegacyProgramFolder() {
        fs::path folder = dir_.path() / "legacy-programs";
        fs::create_directories(folder);
        return folder.string();
    }
};

TEST_F(StartUpTest, CompleteRegistryLeavesTheLegacyFilesUnread) {
    WriteLegacyFiles("   ", "   ");  // would be a configuration error if read
    Program& program = MakeProgram();
    StartUp(program);
    EXPECT_TRUE(dialogs_.shown().empty());
    EXPECT_EQ(program.archive.archiveFolder, demo_.archiveFolder.string());
    EXPECT_EQ(program.start.programFolder, demo_.programFolder.string());
    EXPECT_EQ(program.archive.installationCode, "01");
    EXPECT_EQ(program.start.holderName, "STUDIO MARINI & ASSOCIATI");

    fs::remove_all(Drive("PQTPAGHE"));
    Program& again = MakeProgram();
    StartUp(again);
    EXPECT_EQ(again.start.programFolder, demo_.programFolder.string());
}

TEST_F(StartUpTest, RegistryWithAMissingFolderSendsBothFoldersToTheLegacyFiles) {
    std::string legacyPrograms = LegacyProgramFolder();
    WriteLegacyFiles("  " + demo_.archiveFolder.string() + "  ", legacyPrograms);

    WriteRegistry(demo_.archiveFolder.string(), (dir_.path() / "no-such-folder").string());
    Program& program = MakeProgram();
    StartUp(program);
    EXPECT_EQ(program.archive.archiveFolder, demo_.archiveFolder.string());
    EXPECT_EQ(program.start.programFolder, legacyPrograms);

    WriteRegistry("", demo_.programFolder.string());
    EXPECT_EQ(MakeProgram().start.programFolder, "");
    StartUp(*program_);
    EXPECT_EQ(program_->start.programFolder, legacyPrograms);
}

TEST_F(StartUpTest, StandardPrinterNeedsTwoLinesAndAnExactName) {
    fs::path settings = demo_.archiveFolder / "STAMPSTD.TXT";
    StartUp(MakeProgram());
    EXPECT_EQ(program_->start.printerName, "KVVELM_Laser");
    EXPECT_TRUE(program_->start.printerFromSettings);

    test::WriteFile(settings, "KVVELM_Laser\r\n");  // a single line: no printer chosen
    StartUp(MakeProgram());
    EXPECT_EQ(program_->start.printerName, "Ufficio_Inkjet");
    EXPECT_FALSE(program_->start.printerFromSettings);

    test::WriteFile(settings, "STAMPANTE\r\nkvvelm_laser\r\n");  // letter case differs
    StartUp(MakeProgram());
    EXPECT_EQ(program_->start.printerName, "Ufficio_Inkjet");

    fs::remove(settings);
    StartUp(MakeProgram());
    EXPECT_EQ(program_->start.printerName, "Ufficio_Inkjet");
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(StartUpTest, AnotherInstanceSaysSoBeforeOpeningAnything) {
    platform::InstanceLock other(environment_.lockFile);
    ASSERT_EQ(other.state(), platform::InstanceLock::State::Held);
    Program& program = MakeProgram();
    EXPECT_EQ(EndStatus(program), platform::exit_status::kOtherInstance);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].text, kOtherInstanceText);
    EXPECT_EQ(dialogs_.shown()[0].icon, platform::Icon::Stop);
    EXPECT_EQ(OpenFiles(program), 0);
    EXPECT_EQ(program.archive.archiveFolder, "");
}

TEST(InstanceLock, SecondHolderSeesTheFirstUntilItEnds) {
    test::TempDir dir("lock");
    auto file = dir / "kvvelm.lock";
    {
        platform::InstanceLock first(file);
        EXPECT_EQ(first.state(), platform::InstanceLock::State::Held);
        platform::InstanceLock second(file);
        EXPECT_TRUE(second.OtherInstanceRunning());
    }
    platform::InstanceLock after(file);
    EXPECT_EQ(after.state(), platform::InstanceLock::State::Held);
    platform::InstanceLock nowhere(dir / "missing" / "kvvelm.lock");
    EXPECT_EQ(nowhere.state(), platform::InstanceLock::State::Unavailable);
}

}  // namespace
}  // namespace kv::app
