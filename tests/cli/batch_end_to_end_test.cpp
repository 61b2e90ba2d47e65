// kvvelm-batch run as a program on a generated installation: what --info prints, and bad
// installations ending with a clear message and the right exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "tests/support/batch_run.hpp"

namespace kv::cli {
namespace {

namespace fs = std::filesystem;

class BatchTest : public ::testing::Test, public test::BatchInstallation {
protected:
    BatchTest() : BatchInstallation("cli", 0) {}

    fs::path Legacy(const std::string& name) const { return demo.drivesRoot / "c" / "PQTPAGHE" / name; }
};

TEST_F(BatchTest, InfoPrintsWhatStartUpFound) {
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(result.output,
              "Cartella archivi: " + demo.archiveFolder.string() + "\n"
              "Cartella programmi: " + demo.programFolder.string() + "\n"
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
    EXPECT_TRUE(fs::exists(demo.archiveFolder / "PARCAC01.IDX"));
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
    test::WriteFile(LockFile(), "");
    fs::permissions(LockFile(), fs::perms::all);
    fs::permissions(demo.archiveFolder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
    struct Case {
        const char* file;
        std::string runner;
        const char* reason;
        const char* trail;
    };
    const std::vector<Case> cases = {
        {"QTBASE.DAT", "", "No such file or directory", "\nCARICAINST\nFAIOPEN\nDAMMIFILE$ (395)\n\n"},
        {"CERTPA01.DAT", test::AsNobody(), "Permission denied", "\nApri_Archivi\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.runner.empty() && c.reason == std::string("Permission denied")) continue;  // not root, cannot be nobody
        fs::remove(demo.archiveFolder / c.file);
        const auto before = Snapshot(demo.root);
        auto result = Batch("--info", c.runner);
        EXPECT_EQ(result.status, 2);
        const std::string named = "Errore 53 File not found: " + (demo.archiveFolder / c.file).string() + " (" +
                                  c.reason + ")\n";
        EXPECT_EQ(result.output.rfind("Lumeo KVVELM\n" + named, 0), 0u) << result.output;
        EXPECT_NE(result.output.find(c.trail), std::string::npos) << result.output;
        EXPECT_NE(result.output.find("Lumeo\nCHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\n"
                                     "LANCIARE RIPRISTINO TASK\n\n"),
                  std::string::npos)
            << result.output;
        EXPECT_EQ(result.output.find("Cartella archivi:"), std::string::npos);
        EXPECT_EQ(Snapshot(demo.root), before);
        demo::DemoWriter(demo.root).WriteStartUpPart();
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
         [&] { fs::remove(demo.registryFile), fs::remove(Legacy("QTPERARK.QTP")); }, 2,
         configuration + "Dettagli: File mancante: C:\\PQTPAGHE\\QTPERARK.QTP ("},
        {"malformed registry",
         [&] { test::WriteFile(demo.registryFile, "\xFF\xFEgarbage"), fs::remove(Legacy("QTPERARK.QTP")); }, 2,
         "chiave HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO assente o illeggibile"},
        {"missing drives folder", [&] { drives = dir.path() / "no-drives"; }, 2,
         configuration + "Dettagli: File "},
        {"missing launch file", [&] { fs::remove(demo.drivesRoot / "c" / "CORVIN" / "CORVIN.INI"); }, 2,
         configuration + "Dettagli: File di avvio mancante: C:\\CORVIN\\CORVIN.INI ("},
        {"blank installation code", [&] { test::WriteFile(demo.drivesRoot / "c" / "CORVIN" / "CORVIN.INI", " \r\n"); },
         2, "Dettagli: Codice di installazione vuoto nella prima riga di C:\\CORVIN\\CORVIN.INI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        const auto before = Snapshot(demo.root);
        test::CommandResult result;
        const std::string err = BatchApart("--report documenti --ditte tutte", result);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.output, "");
        EXPECT_NE(err.find(c.stderrPart), std::string::npos) << err;
        EXPECT_EQ(Snapshot(demo.root), before);
        drives = demo.drivesRoot;
        demo::DemoWriter(demo.root).WriteStartUpPart();
    }
}

}  // namespace
}  // namespace kv::cli
