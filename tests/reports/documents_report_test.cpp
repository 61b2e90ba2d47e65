// The list of documents through the recording writer and printer: failures and the closing messages
// (pages, payee blocks and fonts are read back in e2e_reports).

#include <filesystem>

#include "reports/closing_message.hpp"
#include "reports/documents_report.hpp"
#include "tests/reports/report_fixture.hpp"

namespace kv::reports {
namespace {

namespace fs = std::filesystem;

class DocumentsReportTest : public ReportTest {
protected:
    ReportOutcome Run(const ReportRequest& request) { return Elenco_Documenti(Context(), request); }
};

TEST_F(DocumentsReportTest, ClosingMessagesTellNothingFoundMissingDataAndTheFolder) {
    const std::string kSkippedNote =
        "Parcelle escluse per dati mancanti (N016/N021): 1\r"
        "  001 ROSSI COSTRUZIONI S.R.L. - percipiente 0001 ROSSI MARIO, documento 000001";
    WritePayees({Payee(1)});
    WriteNotes({Note(1, 1, 1, ""), Note(1, 1, 2, "042024")});
    Start();
    Run(Request({"003"}));
    EXPECT_EQ(Messages().back().text, "Nessun Documento presente per il periodo selezionato");
    EXPECT_EQ(Messages().back().title, "KVVELM");
    EXPECT_EQ(log_->writersMade, 0);

    ReportRequest months = Request({"001"}, {7});
    Run(months);
    EXPECT_EQ(Messages().back().text, "Nessun Documento presente per il periodo selezionato");

    const ReportOutcome outcome = Run(Request({"001"}));
    EXPECT_TRUE(outcome.missingData);
    const platform::MessageBox& box = Messages().back();
    EXPECT_EQ(box.title, "Creazione modulo PDF Elenco Documenti");
    const std::string base = fs::path(program_->archive.archiveFolder).parent_path().string();
    EXPECT_EQ(box.text, "I file PDF creati sono contenuti nella relativa cartella situata in :\r\r" + base +
                            "/FILE-PDF/DITTA/ANNO/MESE/PARC\r\r\rATTENZIONE :\r\r"
                            "ALCUNE PARCELLE NON SONO STATE CREATE IN QUANTO PRIVE DEI\r"
                            "DATI NECESSARI PER LA CREAZIONE (CAMPI N016/N021)\r\r" +
                            base + "/FILE-PDF/001/2025/12/PARC\r\r"
                            "File PDF creati: 1\r" + kSkippedNote);

    UsePrinter();
    Run(Request({"001"}));
    EXPECT_EQ(Messages().back().text, "Stampa Elenco Documenti terminata.\r\rATTENZIONE :\r\r"
                                      "ALCUNE PARCELLE NON SONO STATE STAMPATE IN QUANTO PRIVE DEI\r"
                                      "DATI NECESSARI PER LA STAMPA (CAMPI N016/N021)\r\r\r\r" + kSkippedNote);
    Run(Request({"001"}, {1, 2, 3}));  // only the note without a month falls there
    EXPECT_EQ(Messages().back().text, "Nessun Documento presente per il periodo selezionato");
}

// The real folders below the described one: each once, in the order written, ten at most; the
// window opens the folder that holds them all, and the file when there is one.
TEST(WrittenFolders, EachOnceTenAtMostThenHowManyMoreAndTheFolderToOpen) {
    output::RunOutcome run;
    for (int i = 0; i < 13; ++i) {
        const std::string folder = "D" + std::to_string(i % 12);
        run.written.push_back({{}, "f.pdf", folder, false, {}, "/a/FILE-PDF/" + folder + "/2024/PARC/f.pdf"});
    }
    std::string expected;
    for (int i = 0; i < 10; ++i) expected += (i ? "\r" : "") + std::string("D") + std::to_string(i);
    EXPECT_EQ(WrittenFolderLines(run), expected + "\r\x85 e altre 2");
    platform::MessageBox box = WithSummary({}, run);
    EXPECT_EQ(box.openFolder, "/a/FILE-PDF");
    EXPECT_EQ(box.openFile, "");
    run.written.resize(1);
    EXPECT_EQ(WrittenFolderLines(run), "D0");
    box = WithSummary({}, run);
    EXPECT_EQ(box.openFolder, "/a/FILE-PDF/D0/2024/PARC");
    EXPECT_EQ(box.openFile, "/a/FILE-PDF/D0/2024/PARC/f.pdf");
    EXPECT_EQ(WithSummary({}, output::RunOutcome{}).openFolder, "");
}

TEST_F(DocumentsReportTest, AFailingFileStopsOnlyItsCompanyWithAMessageNamingIt) {
    WritePayees({Payee(1)});
    WriteNotes({Note(1, 1, 1, "012024"), Note(2, 1, 1, "012024")});
    Start();
    log_->failingCall = "EndDoc";
    const ReportOutcome outcome = Run(Request({"001", "002"}));
    EXPECT_EQ(log_->writersMade, 2);  // the second company was still tried
    ASSERT_GE(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].icon, platform::Icon::Stop);
    EXPECT_NE(Messages()[0].text.find("PARD_AP_001_"), std::string::npos) << Messages()[0].text;
    EXPECT_TRUE(outcome.documentsFound);
    // The closing message claims no folder and names both failures; the run is not complete.
    const platform::MessageBox& closing = Messages().back();
    EXPECT_EQ(closing.icon, platform::Icon::Exclamation);
    EXPECT_EQ(closing.text.rfind("Nessun file PDF \xE8 stato creato.\r\rFile PDF creati: 0\rFile PDF non creati: 2\r", 0),
              0u) << closing.text;
    ASSERT_EQ(program_->output.run.failed.size(), 2u);
    EXPECT_EQ(program_->output.run.failed[1].company.code, "002");
    EXPECT_NE(program_->output.run.failed[1].path.find("PARD_AP_002_"), std::string::npos);
    EXPECT_FALSE(program_->output.run.Complete());
    // Nothing that looks finished stays: neither the partial file nor a final one.
    for (const auto& entry : fs::recursive_directory_iterator(dir_.path() / "demo")) {
        EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
    }
}

}  // namespace
}  // namespace kv::reports
