// The list of documents through the recording writer and printer: pages, payee blocks, fonts,
// positions in twips, print jobs and the closing messages.

#include <algorithm>
#include <filesystem>
#include <map>

#include "reports/documents_report.hpp"
#include "tests/reports/report_fixture.hpp"

namespace kv::reports {
namespace {

namespace fs = std::filesystem;

class DocumentsReportTest : public ReportTest {
protected:
    ReportOutcome Run(const ReportRequest& request) { return Elenco_Documenti(Context(), request); }

    int Logged(const std::string& call) const {
        return static_cast<int>(std::count(printer_.calls.begin(), printer_.calls.end(), call));
    }
};

TEST_F(DocumentsReportTest, SevenDocumentsBreakThePageAfterTheSixthAndRepeatThePayeeBlock) {
    WritePayees({Payee(1)});
    std::vector<demo::DemoFeeNote> notes;
    for (int document = 1; document <= 7; ++document) notes.push_back(Note(1, 1, document, "052024"));
    WriteNotes(notes);
    Start();
    const ReportOutcome outcome = Run(Request({"001"}));
    EXPECT_TRUE(outcome.documentsFound);
    EXPECT_EQ(log_->writersMade, 1);
    EXPECT_EQ(Calls("BeginPage("), 2);  // page 1 by CREAPDF, page 2 by the heading
    const auto texts = DrawnTexts();
    const std::string payeeLine = "PERCIPIENTE : 0001 " + Payee(1).surname + " " + Payee(1).name;
    EXPECT_EQ(std::count(texts.begin(), texts.end(), payeeLine), 2);
    std::vector<std::string> pages;
    for (const std::string& text : texts) {
        if (text.rfind("DITTA: 001 ", 0) == 0) pages.push_back(text.substr(99));
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"Pag.01", "Pag.02"}));
    // The seventh document block follows the second heading and payee block at row 2.6 + 1.4.
    const auto seventh = std::find(log_->calls.begin(), log_->calls.end(),
                                   "DrawText(0.5,4.35,NUMERO DOCUMENTO : 000007,1)");
    EXPECT_NE(seventh, log_->calls.end());
    EXPECT_EQ(Calls("EndDoc("), 1);
}

TEST_F(DocumentsReportTest, PrinterGetsTwipsFontsANewPagePerPayeeAndOneJobPerCompany) {
    WritePayees({Payee(1), Payee(2)});
    WriteNotes({Note(1, 1, 1, "052024"), Note(1, 2, 1, "062024")});
    Start();
    UsePrinter();
    const ReportOutcome outcome = Run(Request({"001", "003"}));  // 003 has no notes
    EXPECT_TRUE(outcome.documentsFound);
    ASSERT_FALSE(printer_.printed.empty());
    EXPECT_EQ(printer_.printed.front().x, 113);  // Int((0.5 - 0.3) * 567)
    EXPECT_EQ(printer_.printed.front().y, -57);  // Int((0.5 - 0.6) * 567)
    EXPECT_EQ(std::vector<std::string>(printer_.calls.begin(), printer_.calls.begin() + 3),
              (std::vector<std::string>{"FontSize=9", "FontBold=True", "FontName=Courier New"}));
    EXPECT_EQ(Logged("NewPage"), 1);
    const auto newPage = std::find(printer_.calls.begin(), printer_.calls.end(), "NewPage");
    const auto secondPayee = std::find(printer_.calls.begin(), printer_.calls.end(),
                                       "Print PERCIPIENTE : 0002 " + Payee(2).surname + " " + Payee(2).name);
    EXPECT_LT(newPage, secondPayee);
    EXPECT_EQ(Logged("EndDoc"), 2);  // one per company
    for (const test::PrintedText& text : printer_.printed) {
        EXPECT_EQ(text.job, 1) << "company 003 printed " << text.text;
        EXPECT_EQ(text.fontName, "Courier New");
        EXPECT_EQ(text.fontSize, 9);
    }
    // Amount lines are regular, the rest bold.
    for (const test::PrintedText& text : printer_.printed) {
        const bool amounts = text.text.rfind("TOT.AMM.", 0) == 0 || text.text.rfind("CODICE TRIBUTO", 0) == 0 ||
                             text.text.rfind("IMPORTO VERSATO", 0) == 0;
        EXPECT_EQ(text.bold, !amounts) << text.text;
    }
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().back().title, "Stampa Elenco Documenti");
    EXPECT_EQ(Messages().back().text, "Stampa Elenco Documenti terminata");
}

TEST_F(DocumentsReportTest, ClosingMessagesTellNothingFoundMissingDataAndTheFolder) {
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
                            "DATI NECESSARI PER LA CREAZIONE (CAMPI N016/N021)");

    UsePrinter();
    Run(Request({"001"}));
    EXPECT_EQ(Messages().back().text, "Stampa Elenco Documenti terminata.\r\rATTENZIONE :\r\r"
                                      "ALCUNE PARCELLE NON SONO STATE STAMPATE IN QUANTO PRIVE DEI\r"
                                      "DATI NECESSARI PER LA STAMPA (CAMPI N016/N021)\r\r");
    Run(Request({"001"}, {1, 2, 3}));  // only the note without a month falls there
    EXPECT_EQ(Messages().back().text, "Nessun Documento presente per il periodo selezionato");
    ReportRequest wholeYear = Request({"003"});
    Run(wholeYear);
    EXPECT_EQ(Messages().back().text, "Nessun Documento presente per il periodo selezionato");
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
    // Nothing that looks finished stays: neither the partial file nor a final one.
    for (const auto& entry : fs::recursive_directory_iterator(dir_.path() / "demo")) {
        EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
    }
}

TEST_F(DocumentsReportTest, ArchiveFilesAreByteIdenticalAfterARun) {
    WritePayees({Payee(1), Payee(2)});
    WriteNotes({Note(1, 1, 1, "012024"), Note(1, 2, 1, ""), Note(1, 2, 2, "022024")});
    Start();
    const fs::path archives = program_->archive.archiveFolder;
    std::map<std::string, std::string> before;
    for (const auto& entry : fs::directory_iterator(archives)) before[entry.path().string()] = test::ReadFile(entry.path());
    Run(Request({"001"}));
    Run(Request({"001"}, {2}));
    UsePrinter();
    Run(Request({"001"}));
    std::map<std::string, std::string> after;
    for (const auto& entry : fs::directory_iterator(archives)) after[entry.path().string()] = test::ReadFile(entry.path());
    EXPECT_TRUE(before == after);
}

}  // namespace
}  // namespace kv::reports
