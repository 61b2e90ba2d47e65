// Start-up on a generated installation: where the folders come from, the standard printer and the
// single-instance test (the configuration errors are run through kvvelm-batch in the cli suite); the
// registry stand-in's parsing of .reg exports as regedit writes them and as people edit them;
// SEGNALAERRORE's boxes with their exact texts and titles and the printer-error answers, and the
// printer the reports use retrying a line.

#include <gtest/gtest.h>

#include "app/installation.hpp"
#include "app/start_up.hpp"
#include "archive/records.hpp"
#include "platform/errors.hpp"
#include "platform/registry.hpp"
#include "platform/reported_printer.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support_output/recording_printer.hpp"

namespace kv::app {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::ErrorAction;
using platform::Icon;
using platform::Registry;
using platform::RuntimeError;

const char* kKey = "HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO";

std::string Utf16Le(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

TEST(RegistryTest, ReadsStringValuesWithEscapesAndIgnoresCase) {
    Registry registry = Registry::FromBytes(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Orvanta\\Lumeo]\r\n"
        "\"PercorsoArchivi\"=\"C:\\\\LUMEO\\\\ARK\"\r\n"
        "\"Quoted\"=\"say \\\"hi\\\"\" ; trailing comment\r\n"
        "\"Count\"=dword:00000010\r\n");
    EXPECT_EQ(registry.ReadString(kKey, "PERCORSOARCHIVI"), "C:\\LUMEO\\ARK");
    EXPECT_EQ(registry.ReadString("hkcu\\software\\orvanta\\lumeo\\", "quoted"), "say \"hi\"");
    EXPECT_EQ(registry.ReadString(kKey, "Count"), std::nullopt);  // not a string
    EXPECT_EQ(registry.ReadString(kKey, "PERCORSOPROGRAMMI"), std::nullopt);
    EXPECT_EQ(registry.ReadString("HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA", "PercorsoArchivi"),
              std::nullopt);
}

TEST(RegistryTest, ReadsUtf16ExportsAndConvertsToWindows1252) {
    std::string text =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO]\r\n"
        "\"PERCORSOARCHIVI\"=\"/srv/lumeo/ark\"\r\n";
    std::string bytes = Utf16Le(text);
    // An "e" with grave accent (U+00E8) and a euro sign (U+20AC) inside a second value.
    bytes += Utf16Le("\"NOTE\"=\"").substr(2);
    bytes += std::string("\xE8\x00\xAC\x20", 4);
    bytes += Utf16Le("\"\r\n").substr(2);
    Registry registry = Registry::FromBytes(bytes);
    EXPECT_EQ(registry.ReadString(kKey, "PERCORSOARCHIVI"), "/srv/lumeo/ark");
    EXPECT_EQ(registry.ReadString(kKey, "NOTE"), "\xE8\x80");

    // UTF-8 with its byte-order mark; a character outside the code page becomes "?".
    Registry utf8 = Registry::FromBytes(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[HKCU\\SOFTWARE\\ORVANTA\\LUMEO]\n"
        "\"NOTE\"=\"caff\xC3\xA8 \xF0\x9F\x98\x80\"\n");
    EXPECT_EQ(utf8.ReadString(kKey, "NOTE"), "caff\xE8 ?");

    // 8-bit text without a byte-order mark: UTF-8 when it is valid UTF-8, else Windows-1252.
    const std::string eightBit = "Windows Registry Editor Version 5.00\n[HKCU\\SOFTWARE\\ORVANTA\\LUMEO]\n\"NOTE\"=\"";
    EXPECT_EQ(Registry::FromBytes(eightBit + "caff\xC3\xA8\"\n").ReadString(kKey, "NOTE"), "caff\xE8");
    EXPECT_EQ(Registry::FromBytes(eightBit + "caff\xE8 \xC3\xA8\"\n").ReadString(kKey, "NOTE"), "caff\xE8 \xC3\xA8");
}


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

// A box as one line, "title | text | icon | buttons", to compare every box shown at once.
std::string Line(const std::string& title, const std::string& text, Icon icon,
                 platform::Buttons buttons = platform::Buttons::Ok) {
    return title + " | " + text + " | icon " + std::to_string(static_cast<int>(icon)) + " | buttons " +
           std::to_string(static_cast<int>(buttons));
}
const std::string kRetry = Line("Lumeo", "ERR.STAMPANTE - SI VUOLE RITENTARE ?", Icon::Stop, platform::Buttons::YesNo);
const std::string kClose = Line("Lumeo", "CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)",
                                Icon::Exclamation, platform::Buttons::YesNo);

class ErrorReporterTest : public test::DemoInstallationTest {
protected:
    ErrorReporterTest() { StartUp(MakeProgram()); }

    // Calls the installed reporter; the status the program ends with, or -1 when it goes on.
    int Report(const RuntimeError& error, ErrorAction* action = nullptr) {
        ErrorAction ignored{};
        return test::EndStatusOf([&] {
            (action ? *action : ignored) = program_->services.reporter->SEGNALAERRORE(error, program_->services.trail);
        });
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> lines;
        for (const platform::MessageBox& box : dialogs_.shown()) {
            lines.push_back(Line(box.title, box.text, box.icon, box.buttons));
        }
        return lines;
    }
};

TEST_F(ErrorReporterTest, OtherErrorsShowTheTrailOldestFirstThenTheClosingBoxAndEnd) {
    platform::CallTrail& trail = program_->services.trail;
    for (int i = 1; i <= 12; ++i) trail.TRACCIA("P" + std::to_string(i));
    ASSERT_GT(test::OpenFiles(*program_), 0);
    EXPECT_EQ(Report(RuntimeError(platform::err::kBadRecordLength)), platform::exit_status::kFatal);
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           Line("Lumeo KVVELM", "Errore 59 Bad record length\r\nP3\r\nP4\r\nP5\r\nP6\r\nP7\r\nP8\r\nP9\r\n"
                                "P10\r\nP11\r\nP12\r\n", Icon::Stop),
                           Line("Lumeo", "CHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\r\nLANCIARE RIPRISTINO TASK",
                                Icon::Information)}));
    EXPECT_EQ(test::OpenFiles(*program_), 0);
}

TEST_F(ErrorReporterTest, PrinterErrorRetriesSkipsOrCloses) {
    RuntimeError printer(platform::err::kPrinterError);
    ErrorAction action{};

    dialogs_.Script(Answer::Yes);
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Retry);
    EXPECT_EQ(Shown(), std::vector<std::string>{kRetry});

    dialogs_.Script(Answer::No);
    dialogs_.Script(Answer::No);
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Skip);
    EXPECT_EQ(Shown(), (std::vector<std::string>{kRetry, kRetry, kClose}));
    EXPECT_GT(test::OpenFiles(*program_), 0);

    // The job has lost a line: its later failures are skipped unasked, and it counts as not printed.
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Skip);
    EXPECT_EQ(dialogs_.shown().size(), 3u);
    EXPECT_TRUE(program_->output.printJobLost);

    program_->output.printJobLost = false;  // the next job asks again
    dialogs_.Script(Answer::No);
    dialogs_.Script(Answer::Yes);
    EXPECT_EQ(Report(printer), platform::exit_status::kFatal);
    EXPECT_EQ(Shown(), (std::vector<std::string>{kRetry, kRetry, kClose, kRetry, kClose}));
    EXPECT_EQ(test::OpenFiles(*program_), 0);
}

// A printer that fails its next `failures` prints.
class FailingPrinter : public test::RecordingPrinter {
public:
    explicit FailingPrinter(int failures) : failures_(failures) {}
    void Print(const std::string& text) override {
        if (failures_ > 0 && failures_--) throw RuntimeError(platform::err::kPrinterError);
        RecordingPrinter::Print(text);
    }

private:
    int failures_;
};

// The printer the reports use asks after each failure and prints the line once the printer works.
TEST_F(ErrorReporterTest, RetriedLineIsPrintedOnceThePrinterWorks) {
    auto failing = std::make_unique<FailingPrinter>(2);
    const FailingPrinter& inner = *failing;
    platform::ReportedPrinter printer(program_->services, std::move(failing));
    dialogs_.Script(Answer::Yes);
    dialogs_.Script(Answer::Yes);
    printer.Print("RIGA 1");
    ASSERT_EQ(inner.printed.size(), 1u);
    EXPECT_EQ(inner.printed[0].text, "RIGA 1");
    EXPECT_EQ(Shown(), (std::vector<std::string>{kRetry, kRetry}));
}

}  // namespace
}  // namespace kv::app
