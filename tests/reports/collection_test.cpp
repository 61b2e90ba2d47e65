// The fee-note collection on an installation of the test's own notes: which notes become rows, in
// which order, with which columns, and when DATIMANCANTI is raised; the table that holds the rows and
// the amount fields read to the cent and written back, including damaged and over-long fields.

#include "reports/collection.hpp"
#include "reports/documents_report.hpp"
#include "reports/money.hpp"
#include "reports/register_report.hpp"
#include "reports/report_table.hpp"
#include "tests/reports/report_fixture.hpp"

namespace kv::reports {
namespace {

class CollectionTest : public ReportTest {
protected:
    // Runs a collection for company 001 and returns column `column` of every row of the table.
    std::vector<std::string> Column(void (*collect)(ReportForm&), const ReportRequest& request, int column) {
        form_ = std::make_unique<ReportForm>(Context(), request);
        ReadInto(*form_, kCompanyFile, std::stod(request.companies.front().code), program_->archive.buffers.DITX);
        collect(*form_);
        std::vector<std::string> cells;
        for (int row = 1; !form_->table.EndsAt(row); ++row) cells.emplace_back(form_->table.Cell(row, column));
        return cells;
    }

    std::unique_ptr<ReportForm> form_;
};

TEST_F(CollectionTest, WholeYearStoresTheNotesOfTheYearInKeyOrderAndFlagsMissingMonths) {
    WritePayees({Payee(1), Payee(2, "99"), Payee(3), Payee(4)});
    WriteNotes({Note(1, 3, 5, "032024"), Note(1, 1, 2, "022024"), Note(1, 1, 1, "012024"),
                Note(1, 1, 3, ""),          // no month: skipped, missing data
                Note(1, 1, 4, "122023"),    // another year: skipped silently
                Note(1, 2, 1, "012024"),    // payee marked 99: never looked at
                Note(2, 4, 1, "012024")});  // another company
    Start();
    const auto numbers = Column(Elenco_Documenti_Array_Tutti, Request({"001"}), DocumentColumn::kNumber);
    EXPECT_EQ(numbers, (std::vector<std::string>{"000001", "000002", "000005"}));
    EXPECT_TRUE(form_->collection.DATIMANCANTI);
    EXPECT_TRUE(form_->collection.DOCTROVATI);
    EXPECT_EQ(form_->collection.RIGA, 3);
    // The table is rebuilt for the next company: company 2 has only payee 4's note.
    EXPECT_EQ(Column(Elenco_Documenti_Array_Tutti, Request({"002"}), kPayeeCodeColumn),
              (std::vector<std::string>{"0004"}));
}

TEST_F(CollectionTest, ChosenMonthsStoreTickedMonthsOnlyAndNeverAnotherCompanysNote) {
    WritePayees({Payee(1), Payee(5)});
    WriteNotes({Note(1, 1, 1, "012024"), Note(1, 1, 2, "022024"), Note(1, 1, 3, "032024"),
                Note(1, 1, 4, ""),  // no month: matches none, no warning
                Note(1, 5, 1, "032024"),
                Note(2, 5, 1, "032024")});  // same payee code, next company: the key that follows 0010005000001
    Start();
    EXPECT_EQ(Column(Elenco_Documenti_Array_Mesi, Request({"001"}, {1, 3}), DocumentColumn::kNumber),
              (std::vector<std::string>{"000001", "000003", "000001"}));
    EXPECT_EQ(Column(Elenco_Documenti_Array_Mesi, Request({"001"}, {1, 3}), kPayeeCodeColumn),
              (std::vector<std::string>{"0001", "0001", "0005"}));
    EXPECT_FALSE(form_->collection.DATIMANCANTI);
}

TEST_F(CollectionTest, TheRegisterChoosesMonthsByThePaymentDateTheOthersByN016) {
    WritePayees({Payee(1)});
    demo::DemoFeeNote paidLater = Note(1, 1, 1, "012024");
    paidLater.paymentDate = "05022024";  // note of January, paid in February
    WriteNotes({paidLater});
    Start();
    EXPECT_EQ(Column(Registro_Compensi_Terzi_Array_Mesi, Request({"001"}, {2}), RegisterColumn::kNumber).size(), 1u);
    EXPECT_TRUE(Column(Registro_Compensi_Terzi_Array_Mesi, Request({"001"}, {1}), RegisterColumn::kNumber).empty());
    EXPECT_EQ(Column(Elenco_Documenti_Array_Mesi, Request({"001"}, {1}), DocumentColumn::kNumber).size(), 1u);
    EXPECT_TRUE(Column(Elenco_Documenti_Array_Mesi, Request({"001"}, {2}), DocumentColumn::kNumber).empty());
    // Whole year: every report tests the year of N016.
    EXPECT_EQ(Column(Registro_Compensi_Terzi_Array_Tutti, Request({"001"}), RegisterColumn::kNumber).size(), 1u);
}

TEST_F(CollectionTest, ACompanyWithMoreNotesThanTheTableStartsWithKeepsThemAll) {
    WritePayees({Payee(1), Payee(2)});
    std::vector<demo::DemoFeeNote> notes;
    for (int payee = 1; payee <= 2; ++payee) {
        for (int document = 1; document <= 600; ++document) notes.push_back(Note(1, payee, document, "012024"));
    }
    WriteNotes(notes);
    Start();
    const auto numbers = Column(Elenco_Documenti_Array_Tutti, Request({"001"}), DocumentColumn::kNumber);
    ASSERT_EQ(numbers.size(), 1200u);
    EXPECT_EQ(numbers.back(), "000600");
    EXPECT_EQ(form_->table.Cell(1200, kPayeeCodeColumn), "0002");
}

// A row keeps its cells in one text: cells set in any order and set again, longer or shorter, leave
// their neighbours as they were.
TEST(ReportTableTest, CellsSetInAnyOrderAndSetAgainKeepTheirNeighbours) {
    ReportTable table;
    const std::pair<int, const char*> sets[] = {{5, "five"}, {1, "0001"}, {20, "twenty"}, {3, "three"},
                                                {5, "FIVE, LONGER"}, {1, ""}, {3, "3"}, {0, "zero"}};
    for (const auto& [column, text] : sets) table.Set(2, column, text);
    const std::vector<std::string> expected = {"zero", "", "", "3", "", "FIVE, LONGER", "", "", "", "", "",
                                               "", "", "", "", "", "", "", "", "", "twenty"};
    for (int column = 0; column <= kTableColumns; ++column) EXPECT_EQ(table.Cell(2, column), expected[column]);
    EXPECT_EQ(table.Cell(1, 5), "");
    EXPECT_EQ(table.Cell(5000, 5), "");
    EXPECT_TRUE(table.EndsAt(2));  // column 1 blank
    EXPECT_THROW(table.Set(2, kTableColumns + 1, "x"), platform::RuntimeError);
    EXPECT_THROW(table.Set(3, 1, std::string(70000, 'x')), platform::RuntimeError);
}

TEST(Money, FieldsReadToTheCentAndWriteBack) {
    const struct {
        const char* field;
        char mark;
        Cents cents;
        const char* written;
    } cases[] = {
        {"0001000.00", '.', 100000, "1000.00"},
        {"  -12.5", '.', -1250, "-12.50"},
        {"1.234,56", ',', 100, "1,00"},  // reading stops at a character that is no part of a number
        {"7.999", '.', 799, "7.99"},       // a third decimal is ignored, not rounded
        {"000000000000000001.00", '.', 100, "1.00"},  // leading zeros of a wide field
        {"99999999999999999999999.00", '.', 999999999999900, "9999999999999.00"},
        {"x12", '.', 0, "0.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(CentsOfText(c.field, c.mark), c.cents);
        EXPECT_EQ(FormatAmount(c.cents, c.mark), c.written);
        EXPECT_EQ(CentsOfText(FormatAmount(c.cents, c.mark), c.mark), c.cents);
    }
    EXPECT_EQ(AmountColumn(-5, ','), "     -0,05");
    EXPECT_EQ(AmountColumn(999999999999900, '.'), "9999999.00");  // the column keeps the last ten
}

}  // namespace
}  // namespace kv::reports
