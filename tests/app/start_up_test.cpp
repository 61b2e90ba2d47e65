// Start-up on a generated installation: where the folders come from, the configuration error,
// the period, the company list, the standard printer and the single-instance test.

#include <gtest/gtest.h>

#include "app/installation.hpp"
#include "app/start_up.hpp"
#include "archive/file_table.hpp"
#include "platform/errors.hpp"
#include "tests/app/installation_fixture.hpp"

namespace kv::app {
namespace {

namespace fs = std::filesystem;

const char* kConfigurationError =
    "ERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Lumeo CON IL PROGRAMMA TRAMEX";

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

    // The box, and details that begin with `details` (the file and the reason).
    void ExpectConfigurationError(Program& program, const std::string& details) {
        EXPECT_EQ(EndStatus(program), platform::exit_status::kFatal);
        ASSERT_EQ(dialogs_.shown().size(), 1u);
        const platform::MessageBox& box = dialogs_.shown()[0];
        EXPECT_EQ(box.title, "Lumeo");
        EXPECT_EQ(box.text, kConfigurationError);
        EXPECT_EQ(box.icon, platform::Icon::Stop);
        EXPECT_EQ(box.details.rfind(details, 0), 0u) << box.details;
        EXPECT_EQ(OpenFiles(program), 0);
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

TEST_F(StartUpTest, WindowsFormFoldersGoThroughTheDriveFolders) {
    fs::create_directories(Drive("LUMEO/PROGRAMMI"));
    fs::copy(demo_.archiveFolder, Drive("LUMEO/ARCHIVI"), fs::copy_options::recursive);
    fs::remove_all(demo_.archiveFolder);
    WriteRegistry("C:\\\\LUMEO\\\\ARCHIVI\\\\", "c:\\\\lumeo\\\\programmi");
    Program& program = MakeProgram();
    StartUp(program);
    EXPECT_EQ(program.archive.archiveFolder, "C:\\LUMEO\\ARCHIVI");
    EXPECT_EQ(program.start.programFolder, "c:\\lumeo\\programmi");
    EXPECT_EQ(program.start.holderName, "STUDIO MARINI & ASSOCIATI");
    EXPECT_EQ(program.screen.companies.size(), 7u);
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

TEST_F(StartUpTest, UnreadableOrMalformedRegistryReadsAsMissing) {
    std::string legacyPrograms = LegacyProgramFolder();
    WriteLegacyFiles(demo_.archiveFolder.string(), legacyPrograms);

    // Values without the header line, then random bytes, then a folder in place of the file.
    test::WriteFile(demo_.registryFile,
                    "[HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO]\r\n\"PERCORSOARCHIVI\"=\"" +
                        demo_.archiveFolder.string() + "\"\r\n\"PERCORSOPROGRAMMI\"=\"" +
                        demo_.programFolder.string() + "\"\r\n");
    StartUp(MakeProgram());
    EXPECT_EQ(program_->start.programFolder, legacyPrograms);

    test::WriteFile(demo_.registryFile, std::string("\xFF\xFE\x00\xD8garbage", 11));
    StartUp(MakeProgram());
    EXPECT_EQ(program_->start.programFolder, legacyPrograms);

    fs::remove(demo_.registryFile);
    fs::create_directories(demo_.registryFile);
    StartUp(MakeProgram());
    EXPECT_EQ(program_->start.programFolder, legacyPrograms);
    EXPECT_TRUE(dialogs_.shown().empty());
}

TEST_F(StartUpTest, Utf8RegistryNamesAccentedFoldersAndALetterWithoutWindows1252FormIsAnError) {
    // "Societ\xE0" on the disk in UTF-8, named by an 8-bit registry file in UTF-8.
    const fs::path accented = dir_.path() / "Societ\xC3\xA0";
    fs::rename(demo_.archiveFolder, accented);
    WriteRegistry(accented.string(), demo_.programFolder.string());
    StartUp(MakeProgram());
    EXPECT_EQ(program_->archive.archiveFolder, (dir_.path() / "Societ\xE0").string());
    EXPECT_FALSE(program_->screen.companies.empty());

    // An L with stroke (U+0141) has no Windows-1252 form.
    fs::remove_all(Drive("PQTPAGHE"));
    WriteRegistry((dir_.path() / "\xC5\x81\xC3\xB3" "d\xC5\xBA").string(), demo_.programFolder.string());
    ExpectConfigurationError(MakeProgram(), "File mancante: C:\\PQTPAGHE\\QTPERARK.QTP (");
    EXPECT_NE(dialogs_.shown()[0].details.find("PERCORSOARCHIVI: il carattere U+0141 non ha forma in Windows-1252"),
              std::string::npos) << dialogs_.shown()[0].details;
}

TEST_F(StartUpTest, BlankLegacyLineIsAConfigurationError) {
    fs::remove(demo_.registryFile);
    WriteLegacyFiles(" \t ", LegacyProgramFolder());
    ExpectConfigurationError(MakeProgram(), "Prima riga vuota in C:\\PQTPAGHE\\QTPERARK.QTP (");
}

TEST_F(StartUpTest, BlankLegacyProgramLineIsAConfigurationError) {
    fs::remove(demo_.registryFile);
    WriteLegacyFiles(demo_.archiveFolder.string(), "");
    ExpectConfigurationError(MakeProgram(), "Prima riga vuota in C:\\PQTPAGHE\\QTPERPRO.QTP (");
}

TEST_F(StartUpTest, NoRegistryAndNoLegacyFilesIsAConfigurationError) {
    fs::remove(demo_.registryFile);
    fs::remove_all(Drive("PQTPAGHE"));
    ExpectConfigurationError(MakeProgram(), "File mancante: C:\\PQTPAGHE\\QTPERARK.QTP (");
    EXPECT_NE(dialogs_.shown()[0].details.find("(KVVELM_REGISTRY): file mancante"), std::string::npos);
}

TEST_F(StartUpTest, LaunchFileMissingOrBlankIsAConfigurationErrorBeforeAnyArchiveOpens) {
    const fs::path launch = Drive("CORVIN") / "CORVIN.INI";
    test::WriteFile(launch, "  \r\n");
    ExpectConfigurationError(MakeProgram(), "Codice di installazione vuoto nella prima riga di C:\\CORVIN\\CORVIN.INI");
    fs::remove(launch);
    dialogs_ = platform::ScriptedDialogs();
    ExpectConfigurationError(MakeProgram(), "File di avvio mancante: C:\\CORVIN\\CORVIN.INI (");
}

TEST_F(StartUpTest, PeriodRecordGivesCurrentPeriodAndYearLabel) {
    test::WriteFile(demo_.archiveFolder / "PERIODO.DAT", "15062024" + std::string(92, ' '));
    Program& program = MakeProgram();
    StartUp(program);
    EXPECT_EQ(program.start.currentPeriod, "202406");
    EXPECT_EQ(program.screen.yearLabel, "2023");
    EXPECT_EQ(program.archive.FINE, 0);
}

TEST_F(StartUpTest, ScreenStartsWithPreviousYearAllMonthsPrinterAndFirstCompanyCurrent) {
    Program& program = MakeProgram();
    StartUp(program);
    const ScreenState& screen = program.screen;
    EXPECT_TRUE(screen.previousYear);
    EXPECT_TRUE(screen.allMonths);
    EXPECT_EQ(screen.monthSelected, std::vector<bool>(12, true));
    EXPECT_EQ(screen.report, -1);
    EXPECT_TRUE(screen.printerOutput);
    EXPECT_FALSE(screen.waitPanelVisible);
    EXPECT_EQ(screen.currentCompany, 0);
    EXPECT_EQ(screen.companySelected, std::vector<bool>(screen.companies.size(), false));
    // The files the reports read stay open; the holder's file was closed again.
    for (int file : {1, 62, 63, 64, 65, 66, 67, 68, 6}) {
        EXPECT_NE(program.archive.files[file].handle, 0) << file;
    }
    EXPECT_EQ(program.archive.files[395].handle, 0);
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
