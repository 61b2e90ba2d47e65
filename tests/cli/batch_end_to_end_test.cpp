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

// A start-up that cannot go on says why, ends with status 2 and leaves the installation byte for byte
// as it was: a configuration error on standard error, with the file or variable in its details; an
// archive that cannot be opened through the error reporter, naming the file and the system's reason,
// also when it is missing in a folder the user cannot write (as nobody, since root writes anywhere).
TEST_F(BatchTest, StartUpFailuresSayWhyAndTouchNothing) {
    test::WriteFile(LockFile(), "");
    fs::permissions(LockFile(), fs::perms::all);
    fs::permissions(demo.archiveFolder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                             fs::perms::others_read | fs::perms::others_exec);
    const std::string configuration = "Lumeo\nERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Lumeo CON IL PROGRAMMA TRAMEX\n";
    const std::string closing = "Lumeo\nCHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\nLANCIARE RIPRISTINO TASK\n\n";
    auto notFound = [&](const char* file, const char* reason) {
        return "Lumeo KVVELM\nErrore 53 File not found: " + (demo.archiveFolder / file).string() + " (" + reason + ")\n";
    };
    auto remove = [&](const fs::path& file) { return [file] { fs::remove(file); }; };
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::string runner;
        std::vector<std::string> said;  // on standard error, then standard output; the first one first
    };
    const std::vector<Case> cases = {
        {"no registry, no legacy files", [&] { fs::remove(demo.registryFile), fs::remove(Legacy("QTPERARK.QTP")); },
         "", {configuration + "Dettagli: File mancante: C:\\PQTPAGHE\\QTPERARK.QTP ("}},
        {"malformed registry",
         [&] { test::WriteFile(demo.registryFile, "\xFF\xFEgarbage"), fs::remove(Legacy("QTPERARK.QTP")); }, "",
         {configuration + "Dettagli: ", "chiave HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO assente o illeggibile"}},
        {"missing drives folder", [&] { drives = dir.path() / "no-drives"; }, "", {configuration + "Dettagli: File "}},
        {"missing launch file", remove(demo.drivesRoot / "c" / "CORVIN" / "CORVIN.INI"), "",
         {configuration + "Dettagli: File di avvio mancante: C:\\CORVIN\\CORVIN.INI ("}},
        {"blank installation code", [&] { test::WriteFile(demo.drivesRoot / "c" / "CORVIN" / "CORVIN.INI", " \r\n"); },
         "", {configuration + "Dettagli: Codice di installazione vuoto nella prima riga di C:\\CORVIN\\CORVIN.INI"}},
        {"missing base file", remove(demo.archiveFolder / "QTBASE.DAT"), "",
         {notFound("QTBASE.DAT", "No such file or directory"), "\nCARICAINST\nFAIOPEN\nDAMMIFILE$ (395)\n\n", closing}},
        {"archive missing in a folder nobody may write", remove(demo.archiveFolder / "CERTPA01.DAT"), test::AsNobody(),
         {notFound("CERTPA01.DAT", "Permission denied"), "\nApri_Archivi\n", closing}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.name == cases.back().name && c.runner.empty()) continue;  // not root: cannot be nobody
        c.arrange();
        const auto before = Snapshot(demo.root);
        test::CommandResult result;
        const std::string said = BatchApart("--report documenti --ditte tutte", result, c.runner) + result.output;
        EXPECT_EQ(result.status, 2);
        // A configuration error says nothing on standard output.
        EXPECT_EQ(result.output.empty(), c.said.front().rfind(configuration, 0) == 0) << result.output;
        EXPECT_EQ(said.rfind(c.said.front(), 0), 0u) << said;
        for (const std::string& part : c.said) EXPECT_NE(said.find(part), std::string::npos) << said;
        EXPECT_EQ(Snapshot(demo.root), before);
        drives = demo.drivesRoot;
        demo::DemoWriter(demo.root).WriteStartUpPart();
    }
}

}  // namespace
}  // namespace kv::cli
