// Start-up on a generated installation: where the folders come from, the standard printer and the
// single-instance test (the configuration errors are run through kvvelm-batch in the cli suite).

#include <gtest/gtest.h>

#include "app/installation.hpp"
#include "app/start_up.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support/error_of.hpp"

namespace kv::app {
namespace {

namespace fs = std::filesystem;

// Two printers, the inkjet the system's default.
class StartUpTest : public test::DemoInstallationTest {
protected:
    StartUpTest() { printers_ = platform::FixedPrinters({"Ufficio_Inkjet", "KVVELM_Laser"}, "Ufficio_Inkjet"); }

    void WriteRegistry(const std::string& archives, const std::string& programs) {
        test::WriteFile(paths_.registryFile, "Windows Registry Editor Version 5.00\r\n\r\n"
                                             "[HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO]\r\n"
                                             "\"PERCORSOARCHIVI\"=\"" + archives + "\"\r\n"
                                             "\"PERCORSOPROGRAMMI\"=\"" + programs + "\"\r\n");
    }

    // Legacy path files naming the demo archive folder and a program folder of their own.
    void WriteLegacyFiles(const std::string& archiveLine, const std::string& programLine) {
        test::WriteFile(Drive("PQTPAGHE/QTPERARK.QTP"), archiveLine + "\r\n");
        test::WriteFile(Drive("PQTPAGHE/QTPERPRO.QTP"), programLine + "\r\n");
    }
};

TEST_F(StartUpTest, CompleteRegistryLeavesTheLegacyFilesUnread) {
    WriteLegacyFiles("   ", "   ");  // would be a configuration error if read
    Program& program = MakeProgram();
    StartUp(program);
    EXPECT_TRUE(dialogs_.shown().empty());
    EXPECT_EQ(program.archive.archiveFolder, paths_.archiveFolder.string());
    EXPECT_EQ(program.start.programFolder, paths_.programFolder.string());
    EXPECT_EQ(program.archive.installationCode, "01");
    EXPECT_EQ(program.start.holderName, "STUDIO MARINI & ASSOCIATI");

    fs::remove_all(Drive("PQTPAGHE"));
    Program& again = MakeProgram();
    StartUp(again);
    EXPECT_EQ(again.start.programFolder, paths_.programFolder.string());
}

TEST_F(StartUpTest, RegistryWithAMissingFolderSendsBothFoldersToTheLegacyFiles) {
    const std::string legacyPrograms = (dir_.path() / "legacy-programs").string();
    fs::create_directories(legacyPrograms);
    WriteLegacyFiles("  " + paths_.archiveFolder.string() + "  ", legacyPrograms);

    WriteRegistry(paths_.archiveFolder.string(), (dir_.path() / "no-such-folder").string());
    Program& program = MakeProgram();
    StartUp(program);
    EXPECT_EQ(program.archive.archiveFolder, paths_.archiveFolder.string());
    EXPECT_EQ(program.start.programFolder, legacyPrograms);

    WriteRegistry("", paths_.programFolder.string());
    EXPECT_EQ(MakeProgram().start.programFolder, "");
    StartUp(*program_);
    EXPECT_EQ(program_->start.programFolder, legacyPrograms);
}

TEST_F(StartUpTest, Utf8RegistryNamesAccentedFoldersAndALetterWithoutWindows1252FormIsAnError) {
    // "Societ\xE0" on the disk in UTF-8, named by an 8-bit registry file in UTF-8.
    const fs::path accented = dir_.path() / "Societ\xC3\xA0";
    fs::rename(paths_.archiveFolder, accented);
    WriteRegistry(accented.string(), paths_.programFolder.string());
    StartUp(MakeProgram());
    EXPECT_EQ(program_->archive.archiveFolder, (dir_.path() / "Societ\xE0").string());
    EXPECT_FALSE(program_->screen.companies.empty());

    // An L with stroke (U+0141) has no Windows-1252 form: the configuration error names it.
    fs::remove_all(Drive("PQTPAGHE"));
    WriteRegistry((dir_.path() / "\xC5\x81\xC3\xB3" "d\xC5\xBA").string(), paths_.programFolder.string());
    EXPECT_EQ(test::EndStatusOf([&] { StartUp(MakeProgram()); }), platform::exit_status::kFatal);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_NE(dialogs_.shown()[0].details.find("PERCORSOARCHIVI: il carattere U+0141 non ha forma in Windows-1252"),
              std::string::npos) << dialogs_.shown()[0].details;
}

TEST_F(StartUpTest, StandardPrinterNeedsTwoLinesAndAnExactName) {
    fs::path settings = paths_.archiveFolder / "STAMPSTD.TXT";
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
    EXPECT_EQ(test::EndStatusOf([&] { StartUp(program); }), platform::exit_status::kOtherInstance);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].text, kOtherInstanceText);
    EXPECT_EQ(dialogs_.shown()[0].icon, platform::Icon::Stop);
    EXPECT_EQ(test::OpenFiles(program), 0);
    EXPECT_EQ(program.archive.archiveFolder, "");
    // A lock file that cannot be made is no other instance.
    platform::InstanceLock nowhere(dir_.path() / "missing" / "kvvelm.lock");
    EXPECT_EQ(nowhere.state(), platform::InstanceLock::State::Unavailable);
}

}  // namespace
}  // namespace kv::app
