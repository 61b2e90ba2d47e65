// kvvelm-batch run as a program on a generated installation: what --info prints, and bad
// installations ending with a clear message and the right exit status.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "tests/support/test_support.hpp"
#include "tools/demo/demo_writer.hpp"

namespace kv::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kBatch = fs::path(KV_BINARY_DIR) / "cli" / "kvvelm-batch";

class BatchTest : public ::testing::Test {
protected:
    BatchTest() : dir_("cli"), demo_(dir_.path() / "demo") {
        demo::DemoWriter writer(demo_.root);
        writer.WriteStartUpPart();
    }

    void SetUp() override { ASSERT_TRUE(fs::exists(kBatch)) << "build kvvelm-batch first"; }

    std::string BatchCommand(const std::string& arguments) const {
        std::string environment =
            "KVVELM_REGISTRY=" + test::ShellQuote(demo_.registryFile.string()) +
            " KVVELM_DRIVES=" + test::ShellQuote(drives_.string()) +
            " KVVELM_LOCK=" + test::ShellQuote(LockFile().string()) +
            " KVVELM_PRINTERS='Ufficio_Inkjet;KVVELM_Laser' ";
        return "env " + environment + test::ShellQuote(kBatch.string()) + " " + arguments + " </dev/null";
    }

    test::CommandResult Batch(const std::string& arguments) { return test::Run(BatchCommand(arguments)); }

    fs::path LockFile() const { return dir_.path() / "kvvelm.lock"; }
    fs::path Legacy(const std::string& name) const {
        return demo_.drivesRoot / "c" / "PQTPAGHE" / name;
    }

    // Standard output and standard error apart: stdout in `output`, stderr returned.
    std::string BatchApart(const std::string& arguments, test::CommandResult& result) {
        const fs::path err = dir_.path() / "stderr.txt";
        result = test::Run("{ " + BatchCommand(arguments) + " 2>" + test::ShellQuote(err.string()) + "; }");
        return test::ReadFile(err);
    }

    // Every file under the installation with its bytes.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(demo_.root))
            if (entry.is_regular_file()) files[entry.path().string()] = test::ReadFile(entry.path());
        return files;
    }

    test::TempDir dir_;
    demo::DemoPaths demo_;
    fs::path drives_ = demo_.drivesRoot;
};

TEST_F(BatchTest, InfoPrintsWhatStartUpFound) {
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output,
              "Cartella archivi: " + demo_.archiveFolder.string() + "\n"
              "Cartella programmi: " + demo_.programFolder.string() + "\n"
              "Codice installazione: 01\n"
              "Intestatario: STUDIO MARINI & ASSOCIATI\n"
              "Periodo corrente: 202512\n"
              "Anno dei documenti: 2024\n"
              "Ditte: 7\n"
              "  001 ROSSI COSTRUZIONI S.R.L.\n"
              "  002 IMPORT/EXPORT ADRIATICA S.P.A.\n"
              "  003 L'ARTIGIANA DEL LEGNO S.A.S.\n"
              "  005 CENTRO ELABORAZIONE DATI CONTABILI SRL\n"
              "  006\n"
              "  007 FARMACIA SAN MARCO DR. ESPOSITO\n"
              "  008 AGRITURISMO IL GELSO SOC. AGR.\n"
              "Stampante: KVVELM_Laser (file delle impostazioni di stampa)\n");
    // Start-up opened the archives the reports read, creating the missing ones empty.
    EXPECT_TRUE(fs::exists(demo_.archiveFolder / "PARCAC01.IDX"));
}

TEST_F(BatchTest, HelpAndBadCommandLines) {
    auto help = Batch("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("Uso: kvvelm-batch"), std::string::npos);
    EXPECT_NE(help.output.find("--report documenti|registro|percipienti|certificazioni"),
              std::string::npos);
    auto bad = Batch("--mesi 1,13");  // each bad option is named in the options tests
    EXPECT_EQ(bad.status, 64);
    EXPECT_NE(bad.output.find("kvvelm-batch: --mesi"), std::string::npos) << bad.output;
}

// An archive that cannot be opened ends through the error reporter, naming the file and the system's
// reason: missing, or missing in a folder the user cannot write (run as nobody, since root writes
// anywhere), where nothing is created.
TEST_F(BatchTest, ArchiveThatCannotBeOpenedIsNamedWithTheReason) {
    const std::string asNobody = ::geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
    test::WriteFile(LockFile(), "");
    fs::permissions(LockFile(), fs::perms::all);
    fs::permissions(demo_.archiveFolder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
    struct Case {
        const char* file;
        std::string runner;
        const char* reason;
        const char* trail;
    };
    const std::vector<Case> cases = {
        {"QTBASE.DAT", "", "No such file or directory", "\nCARICAINST\nFAIOPEN\nDAMMIFILE$ (395)\n\n"},
        {"CERTPA01.DAT", asNobody, "Permission denied", "\nApri_Archivi\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.runner.empty() && c.reason == std::string("Permission denied")) continue;  // not root, cannot be nobody
        fs::remove(demo_.archiveFolder / c.file);
        const auto before = Snapshot();
        auto result = test::Run(c.runner + BatchCommand("--info"));
        EXPECT_EQ(result.status, 2);
        const std::string named = "Errore 53 File not found: " + (demo_.archiveFolder / c.file).string() + " (" +
                                  c.reason + ")\n";
        EXPECT_EQ(result.output.rfind("Lumeo KVVELM\n" + named, 0), 0u) << result.output;
        EXPECT_NE(result.output.find(c.trail), std::string::npos) << result.output;
        EXPECT_NE(result.output.find("Lumeo\nCHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\n"
                                     "LANCIARE RIPRISTINO TASK\n\n"),
                  std::string::npos)
            << result.output;
        EXPECT_EQ(result.output.find("Cartella archivi:"), std::string::npos);
        EXPECT_EQ(Snapshot(), before);
        demo::DemoWriter(demo_.root).WriteStartUpPart();
    }
}

// A start-up that cannot go on says why on standard error, with the file or variable in its details,
// ends with its status and leaves the installation byte for byte as it was, without a new file.
TEST_F(BatchTest, StartUpFailuresSayWhyOnStandardErrorAndTouchNothing) {
    const std::string configuration = "Lumeo\nERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Lumeo CON IL PROGRAMMA TRAMEX\n";
    struct Case {
        const char* name;
        std::function<void()> arrange;
        int status;
        std::string stderrPart;
    };
    const std::vector<Case> cases = {
        {"no registry, no legacy files",
         [&] { fs::remove(demo_.registryFile), fs::remove(Legacy("QTPERARK.QTP")); }, 2,
         configuration + "Dettagli: File mancante: C:\\PQTPAGHE\\QTPERARK.QTP ("},
        {"malformed registry",
         [&] { test::WriteFile(demo_.registryFile, "\xFF\xFEgarbage"), fs::remove(Legacy("QTPERARK.QTP")); }, 2,
         "chiave HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO assente o illeggibile"},
        {"missing drives folder", [&] { drives_ = dir_.path() / "no-drives"; }, 2,
         configuration + "Dettagli: File "},
        {"missing launch file", [&] { fs::remove(demo_.drivesRoot / "c" / "CORVIN" / "CORVIN.INI"); }, 2,
         configuration + "Dettagli: File di avvio mancante: C:\\CORVIN\\CORVIN.INI ("},
        {"blank installation code", [&] { test::WriteFile(demo_.drivesRoot / "c" / "CORVIN" / "CORVIN.INI", " \r\n"); },
         2, "Dettagli: Codice di installazione vuoto nella prima riga di C:\\CORVIN\\CORVIN.INI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        const auto before = Snapshot();
        test::CommandResult result;
        const std::string err = BatchApart("--report documenti --ditte tutte", result);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.output, "");
        EXPECT_NE(err.find(c.stderrPart), std::string::npos) << err;
        EXPECT_EQ(Snapshot(), before);
        drives_ = demo_.drivesRoot;
        demo::DemoWriter(demo_.root).WriteStartUpPart();
    }
}

}  // namespace
}  // namespace kv::cli
