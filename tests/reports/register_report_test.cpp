// The register written by Folivo and read back with pikepdf: amounts at their columns, totals per
// payee, the page break after 65 lines and the lone-zero rule.

#include <map>

#include "reports/register_report.hpp"
#include "tests/support/pdf_texts.hpp"
#include "tests/reports/report_fixture.hpp"

namespace kv::reports {
namespace {

using e2e::PdfText;
namespace fs = std::filesystem;

class RegisterReportTest : public ReportTest {
protected:
    std::vector<PdfText> RunAndRead(const ReportRequest& request) {
        UseFolivo();
        Registro_Compensi_Terzi(Context(), request);
        const fs::path pdf = fs::path(program_->output.CARTELLAPDF) / "PARR_AP_001_ROSSI COSTRUZIONI S.R.L..pdf";
        EXPECT_QPDF_CLEAN(pdf);
        return e2e::ReadTexts(pdf);
    }

    // The texts on the row of the first text starting with `prefix`, by column.
    static std::map<double, std::string> RowOf(const std::vector<PdfText>& texts, const std::string& prefix) {
        const PdfText first = e2e::Find(texts, prefix);
        std::map<double, std::string> row;
        for (const PdfText& text : texts) {
            if (text.page == first.page && text.y == first.y) row[text.x] = text.text;
        }
        return row;
    }
};

// An amount below one is not written but counts in the totals (0,50 reads as 0 before the comma).
TEST_F(RegisterReportTest, FeeAndCommissionAmountsTotalsPerPayeeAndTheirRestart) {
    WritePayees({Payee(1), Payee(2)});
    demo::DemoFeeNote commission = Note(1, 2, 1, "032024", 0, 0, 0);
    commission.commission = 50000;
    commission.commissionWithholding = 5000;
    commission.advanceExpenses = 3000;
    WriteNotes({Note(1, 1, 1, "022024", 100000, 20000, 22000), Note(1, 1, 2, "022024", 50, 0, 0), commission});
    Start();
    const auto texts = RunAndRead(Request({"001"}));
    const auto fee = RowOf(texts, "000001");
    EXPECT_EQ(fee, (std::map<double, std::string>{{0.5, "000001"},
                                                   {2.2, "15/02/2024"},
                                                   {4.3, "   1000,00"},
                                                   {6.6, "    200,00"},
                                                   {8.8, "    800,00"},
                                                   {15.2, "    220,00"},
                                                   {18.3, "   1020,00"}}));  // nothing under 13.2 nor 11.3
    EXPECT_EQ(RowOf(texts, "000002").count(4.3), 0u);
    // Every column of the totals: the lone 0,50 counts, nothing under 11.3 and 13.2 sums to a written amount.
    EXPECT_EQ(RowOf(e2e::OnPage(texts, 1), "PERIODO"), (std::map<double, std::string>{{0.5, "PERIODO"},
                                                                                       {4.3, "   1000,50"},
                                                                                       {6.6, "    200,00"},
                                                                                       {8.8, "    800,50"},
                                                                                       {15.2, "    220,00"},
                                                                                       {18.3, "   1020,50"}}));

    const auto second = e2e::OnPage(texts, 2);
    EXPECT_EQ(e2e::Find(second, "PERCETTORE : 0002").y, 2.6);
    const auto commissionRow = RowOf(second, "000001");
    EXPECT_EQ(commissionRow.at(4.3), "    500,00");
    EXPECT_EQ(commissionRow.at(8.8), "    420,00");
    EXPECT_EQ(commissionRow.at(13.2), "     30,00");
    const auto secondTotals = RowOf(second, "PERIODO");  // started again from 0
    EXPECT_EQ(secondTotals.at(4.3), "    500,00");
    EXPECT_EQ(secondTotals.at(6.6), "     50,00");
    EXPECT_EQ(secondTotals.at(13.2), "     30,00");
}

TEST_F(RegisterReportTest, SeventyDocumentsBreakAfterTheSixtyFifthLineWithTheNarrowTitles) {
    WritePayees({Payee(1)});
    std::vector<demo::DemoFeeNote> notes;
    for (int document = 1; document <= 70; ++document) notes.push_back(Note(1, 1, document, "042024", 1000 + document));
    WriteNotes(notes);
    Start();
    const auto texts = RunAndRead(Request({"001"}));
    ASSERT_EQ(e2e::PageCount(texts), 2);
    auto lines = [&](int page) {
        int count = 0;
        for (const PdfText& text : e2e::OnPage(texts, page)) count += text.x == 2.2 ? 1 : 0;
        return count;
    };
    EXPECT_EQ(lines(1), 65);
    EXPECT_EQ(lines(2), 5);
    EXPECT_EQ(e2e::Find(e2e::OnPage(texts, 1), "NUMERO").text.substr(0, 10), "NUMERO   D");
    EXPECT_EQ(e2e::Find(e2e::OnPage(texts, 2), "NUMERO").text.substr(0, 10), "NUMERO  DA");
    EXPECT_EQ(e2e::Find(e2e::OnPage(texts, 2), "DOCUM.").text.substr(0, 10), "DOCUM.  PA");
    EXPECT_EQ(e2e::Find(e2e::OnPage(texts, 2), "000066").y, 2.6 + 2.1 + 0.7);
    // One totals block, after the last line: 70 notes of 10,01 ... 10,70.
    EXPECT_EQ(RowOf(texts, "PERIODO").at(4.3), "    724,85");
}

TEST_F(RegisterReportTest, ACompanyWithoutRowsWritesNoPage) {
    WritePayees({Payee(1)});
    WriteNotes({Note(1, 1, 1, "012024")});
    Start();
    Registro_Compensi_Terzi(Context(), Request({"002"}));
    EXPECT_EQ(log_->writersMade, 0);
    UsePrinter();
    Registro_Compensi_Terzi(Context(), Request({"002"}));
    EXPECT_TRUE(printer_.printed.empty());
    EXPECT_EQ(Messages().back().text, "Nessun Documento presente per il periodo selezionato");
}

}  // namespace
}  // namespace kv::reports
