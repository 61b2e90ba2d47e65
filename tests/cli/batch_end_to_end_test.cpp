// kvvelm-batch run as a program on a generated installation: what --info prints, and bad
// installations ending with a clear message and the right exit status.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/instance_lock.hpp"
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

    test::CommandResult Batch(const std::string& arguments) {
        std::string environment =
            "KVVELM_REGISTRY=" + test::ShellQuote(demo_.registryFile.string()) +
            " KVVELM_DRIVES=" + test::ShellQuote(demo_.drivesRoot.string()) +
            " KVVELM_LOCK=" + test::ShellQuote(LockFile().string()) +
            " KVVELM_PRINTERS='Ufficio_Inkjet;KVVELM_Laser' ";
        return test::Run("env " + environment + test::ShellQuote(kBatch.string()) + " " + arguments +
                         " </dev/null");
    }

    fs::path LockFile() const { return dir_.path() / "kvvelm.lock"; }
    fs::path Legacy(const std::string& name) const {
        return demo_.drivesRoot / "c" / "PQTPAGHE" / name;
    }

    test::TempDir dir_;
    demo::DemoPaths demo_;
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

TEST_F(BatchTest, EmptyPeriodRecordAndShortCompanyArchiveStillStart) {
    test::WriteFile(demo_.archiveFolder / "PERIODO.DAT", "");
    std::string companies = test::ReadFile(demo_.archiveFolder / "DITTE01.DAT");
    test::WriteFile(demo_.archiveFolder / "DITTE01.DAT", companies.substr(0, 3100 * 2 + 17));
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Periodo corrente: (vuoto)\nAnno dei documenti: -1\n"
                                 "Ditte: 2\n"),
              std::string::npos)
        << result.output;
}

TEST_F(BatchTest, MissingLaunchFileLeavesTheInstallationCodeEmpty) {
    fs::remove(demo_.drivesRoot / "c" / "CORVIN" / "CORVIN.INI");
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Codice installazione: (vuoto)\n"), std::string::npos) << result.output;
    // The "$$" of the company archive's name stays, naming an archive that does not exist yet.
    EXPECT_NE(result.output.find("Ditte: 0\n"), std::string::npos) << result.output;
}

TEST_F(BatchTest, HelpAndBadCommandLines) {
    auto help = Batch("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("Uso: kvvelm-batch"), std::string::npos);
    EXPECT_NE(help.output.find("--report documenti|registro|percipienti|certificazioni"),
              std::string::npos);

    for (const char* bad : {"--anno ieri", "--mesi 1,13", "--ditte 1234", "--report", "--colore"}) {
        auto result = Batch(bad);
        EXPECT_EQ(result.status, 64) << bad;
        EXPECT_NE(result.output.find("kvvelm-batch: "), std::string::npos) << bad;
    }
}

TEST_F(BatchTest, MissingBaseFileEndsThroughTheErrorReporter) {
    fs::remove(demo_.archiveFolder / "QTBASE.DAT");
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output.rfind("Lumeo KVVELM\nErrore 53 File not found\n", 0), 0u)
        << result.output;
    EXPECT_NE(result.output.find("\nCARICAINST\nFAIOPEN\nDAMMIFILE$ (395)\n\n"), std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("Lumeo\nCHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\n"
                                 "LANCIARE RIPRISTINO TASK\n\n"),
              std::string::npos)
        << result.output;
    EXPECT_EQ(result.output.find("Cartella archivi:"), std::string::npos);
}

TEST_F(BatchTest, ArchiveFolderThatIsNotAFolderEndsThroughTheErrorReporter) {
    fs::remove(demo_.registryFile);
    fs::path notAFolder = dir_.path() / "plain-file";
    test::WriteFile(notAFolder, "x");
    test::WriteFile(Legacy("QTPERARK.QTP"), notAFolder.string() + "\r\n");
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output.rfind("Lumeo KVVELM\nErrore 76 Path not found\n", 0), 0u)
        << result.output;
}

TEST_F(BatchTest, UnreadableArchiveFolderEndsThroughTheErrorReporter) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    fs::permissions(demo_.archiveFolder, fs::perms::none);
    auto result = Batch("--info");
    fs::permissions(demo_.archiveFolder, fs::perms::owner_all);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output.rfind("Lumeo KVVELM\nErrore ", 0), 0u) << result.output;
}

TEST_F(BatchTest, NoRegistryAndNoLegacyFilesIsAConfigurationError) {
    fs::remove(demo_.registryFile);
    fs::remove(Legacy("QTPERARK.QTP"));
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output,
              "Lumeo\n"
              "ERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Lumeo CON IL PROGRAMMA TRAMEX\n\n");
}

TEST_F(BatchTest, AnotherInstanceEndsSilently) {
    platform::InstanceLock running(LockFile());
    ASSERT_EQ(running.state(), platform::InstanceLock::State::Held);
    auto result = Batch("--info");
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.output, "");
}

}  // namespace
}  // namespace kv::cli
