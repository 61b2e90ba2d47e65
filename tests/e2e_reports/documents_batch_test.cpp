// The list of documents written by kvvelm-batch on the demo installation, read back with pikepdf.

#include "tests/e2e_reports/e2e_fixture.hpp"

namespace kv::e2e {
namespace {

class DocumentsBatchTest : public BatchReportTest {};

// The four reports over every company leave each archive file byte for byte as it was; the list of
// documents is read back to its rows and columns.
TEST_F(DocumentsBatchTest, ReportsLeaveTheArchivesAsTheyWereAndEveryTextSitsAtItsRowAndColumn) {
    ASSERT_EQ(Batch("--info").status, 0);  // start-up creates the archives it opens and finds missing
    const auto before = Snapshot(demo.archiveFolder);
    // The date typed in UTF-8 reaches the certificates as it was typed.
    for (const char* report : {"documenti", "registro", "certificazioni --data '28/02/2025 citt\xC3\xA0'", "percipienti"}) {
        EXPECT_EQ(Batch(std::string("--report ") + report + " --ditte tutte").status, 0) << report;
    }
    EXPECT_EQ(Batch("--report registro --ditte tutte --mesi 2,5 --anno corrente").status, 0);
    EXPECT_TRUE(before == Snapshot(demo.archiveFolder));
    for (const fs::path& pdf : AllPdfs()) EXPECT_QPDF_CLEAN(pdf);
    const fs::path rossi = CompanyFolder("001") / "PARD_AP_001_ROSSI COSTRUZIONI S.R.L..pdf";
    EXPECT_TRUE(fs::exists(CompanyFolder("006") / "PARD_AP_006.pdf"));  // blank name: no "_" before .pdf
    EXPECT_EQ(Find(ReadTexts(CompanyFolder("001") / "PARC_AP_001_ROSSI COSTRUZIONI S.R.L..pdf"), "28/02/2025").text,
              "28/02/2025 citt\xC3\xA0");

    const auto texts = ReadTexts(rossi);
    const auto first = OnPage(texts, 1);
    ASSERT_GE(first.size(), 9u);
    // The heading: title, company line with the page number at its end, payee block, in bold.
    EXPECT_EQ(Find(first, "STAMPA ELENCO DOCUMENTI").x, 8);
    EXPECT_EQ(first[3].text.rfind("DITTA: 001 ROSSI COSTRUZIONI S.R.L.", 0), 0u);
    EXPECT_DOUBLE_EQ(Find(first, "PERCIPIENTE : 0001 ROSSI MARIO").y, 2.6);
    EXPECT_EQ(first[3].font, "CourierNew,Bold");
    EXPECT_EQ(first[3].text.size(), 105u);
    EXPECT_EQ(first[3].text.substr(99), "Pag.01");
    // Six document blocks of 3.85 cm, each starting with its number below a dash line.
    std::vector<PdfText> numbers;
    for (const PdfText& text : first) {
        if (text.text.rfind("NUMERO DOCUMENTO", 0) == 0) numbers.push_back(text);
    }
    ASSERT_EQ(numbers.size(), 6u);
    for (int block = 0; block < 6; ++block) {
        EXPECT_NEAR(numbers[block].y, 4.35 + block * 3.85, 0.006) << numbers[block].text;
        EXPECT_EQ(numbers[block].text, "NUMERO DOCUMENTO : 00000" + std::to_string(block + 1));
    }
    const PdfText amounts = Find(first, "TOT.AMM.L.AUTONOMO:");
    EXPECT_EQ(amounts.font, "CourierNew");
    EXPECT_NEAR(amounts.y, 5.05, 0.006);
    EXPECT_NEAR(Find(first, "DATI VERSAMENTO").y, 5.4 + 0.7, 0.006);

    // Seventy documents of payee 0001: pages of six, each repeating the heading and the payee block.
    const auto second = OnPage(texts, 2);
    EXPECT_EQ(Find(second, "DITTA: 001").text.substr(99), "Pag.02");
    EXPECT_DOUBLE_EQ(Find(second, "PERCIPIENTE : 0001 ROSSI MARIO").y, 2.6);
    EXPECT_EQ(Find(second, "NUMERO DOCUMENTO").text, "NUMERO DOCUMENTO : 000007");
    EXPECT_EQ(Find(OnPage(texts, 12), "NUMERO DOCUMENTO").text, "NUMERO DOCUMENTO : 000067");
    // The next payee starts on a page of its own.
    EXPECT_EQ(Find(OnPage(texts, 13), "PERCIPIENTE").text.rfind("PERCIPIENTE : 0002 ", 0), 0u);
}

}  // namespace
}  // namespace kv::e2e
