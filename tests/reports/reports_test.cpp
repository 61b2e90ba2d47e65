// The reports on a small installation of the test's own payees and fee notes (previous year 2024, so
// the year chosen is the screen's first one) with a started program over it.
//
// The fee-note collection: which notes become rows, in which order, with which columns, and when
// DATIMANCANTI is raised; the table that holds the rows and the amount fields read to the cent and
// written back, including damaged and over-long fields.
//
// The reports as they are printed. Through the recording writer: each value beside its own label, the
// list of documents' failures and closing messages (its pages, payee blocks and fonts are read back in
// e2e_reports). Written by Folivo and read back with pikepdf (and pdftotext): the register's amounts at
// their columns, totals per payee, page breaks and the lone-zero rule, the certificates' derived
// amounts and wording, the list of payees; lost print jobs named by what they held.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/program.hpp"
#include "output/folivo_writer.hpp"
#include "reports/certificates_report.hpp"
#include "reports/closing_message.hpp"
#include "reports/collection.hpp"
#include "reports/documents_report.hpp"
#include "reports/money.hpp"
#include "reports/payees_report.hpp"
#include "reports/register_report.hpp"
#include "reports/report_form.hpp"
#include "reports/report_table.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support/pdf_texts.hpp"
#include "tests/support_output/recording_printer.hpp"
#include "tests/support_output/recording_writer.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/demo_fee_notes.hpp"
#include "tools/demo/demo_payees.hpp"
#include "tools/demo/fee_note_writer.hpp"

namespace kv::reports {
namespace {

namespace fs = std::filesystem;
using e2e::Find;
using e2e::OnPage;
using e2e::PdfText;
using e2e::ReadTexts;

// A payee of the demo's list with another code (record number = code).
demo::DemoPayee Payee(int code, const std::string& status = "00") {
    const auto& all = demo::DemoPayees();
    demo::DemoPayee payee = all[static_cast<size_t>(code - 1) % all.size()];
    payee.code = code;
    payee.status = status;
    return payee;
}

// A self-employment note of 2024: fee, withholding and VAT in cents; month MMYYYY (N016), the
// payment date DDMMYYYY (N021) in the same month unless given.
demo::DemoFeeNote Note(int company, int payee, int document, const std::string& month, int64_t fee = 100000,
                       int64_t withholding = 20000, int64_t vat = 22000) {
    return demo::DemoFeeNote{.company = company, .payee = payee, .document = document, .month = month,
                             .documentDate = month.empty() ? "01012024" : "10" + month,
                             .paymentDate = month.empty() ? "" : "15" + month, .fee = fee,
                             .withholding = withholding, .vat = vat, .taxCode = "1040", .reference = "BONIFICO"};
}

class ReportTest : public test::DemoInstallationTest {
protected:
    // Replace the payee archive and the previous year's notes (67, index 68).
    void WritePayees(const std::vector<demo::DemoPayee>& payees) {
        const auto length = static_cast<size_t>(demo::DemoRecordLength(demo::kPayeeFile));
        std::vector<std::string> records(payees.empty() ? 0 : static_cast<size_t>(payees.back().code),
                                         std::string(length, ' '));
        for (const auto& payee : payees) records[static_cast<size_t>(payee.code - 1)] = demo::PayeeRecord(payee, length);
        writer_->WriteRecords(demo::kPayeeFile, records);
    }
    void WriteNotes(const std::vector<demo::DemoFeeNote>& notes) {
        demo::WriteFeeNotes(*writer_, demo::kPreviousNotes, demo::kPreviousIndex, notes);
    }

    // Closes the installation and starts the program over it (PDF target, recording writer).
    app::Program& Start() {
        StartProgram();
        program_->output.makeWriter = test::RecordingWriter::Factory(log_);
        program_->output.MODOPDF = true;
        program_->output.decimalSeparator = ',';
        return *program_;
    }

    // Printer target on the recording printer.
    void UsePrinter() {
        program_->output.MODOPDF = false;
        program_->output.printer = &printer_;
    }

    // A request for the companies given (codes), year 2024, all months unless months are given.
    ReportRequest Request(const std::vector<std::string>& codes, const std::vector<int>& months = {}) {
        ReportRequest request;
        for (size_t i = 0; i < codes.size(); ++i) request.companies.push_back({static_cast<int>(i), codes[i], codes[i]});
        request.allMonths = months.empty();
        for (int month : months) request.months[static_cast<size_t>(month - 1)] = true;
        request.yearText = "2024";
        request.certificateDate = "31/01/2025";
        request.screenCaption = "KVVELM";
        return request;
    }

    ReportContext Context() { return {program_->archive, program_->output, program_->start.currentPeriod}; }

    using Report = ReportOutcome (*)(const ReportContext&, const ReportRequest&);
    // Runs `report` on the real writer; its file `name` under FILE-PDF, once qpdf passes it.
    std::filesystem::path WrittenPdf(Report report, const ReportRequest& request, const std::string& name) {
        program_->output.makeWriter = output::FolivoWriterFactory();
        report(Context(), request);
        const std::filesystem::path pdf = std::filesystem::path(program_->output.BASEPDF) / "FILE-PDF" / name;
        EXPECT_QPDF_CLEAN(pdf);
        return pdf;
    }

    const std::vector<platform::MessageBox>& Messages() const { return dialogs_.shown(); }

    std::shared_ptr<test::WriterLog> log_ = std::make_shared<test::WriterLog>();
    test::RecordingPrinter printer_;
};

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

const std::string kRossi = "_AP_001_ROSSI COSTRUZIONI S.R.L..pdf";
const std::string kRossiFolder = "001/2025/12/PARC/";

class RegisterReportTest : public ReportTest {
protected:
    // The texts on the row of the first text starting with `prefix`, by column.
    static std::map<double, std::string> RowOf(const std::vector<PdfText>& texts, const std::string& prefix) {
        const PdfText first = Find(texts, prefix);
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
    const auto texts = ReadTexts(WrittenPdf(Registro_Compensi_Terzi, Request({"001"}), kRossiFolder + "PARR" + kRossi));
    using Row = std::map<double, std::string>;
    EXPECT_EQ(RowOf(texts, "000001"), (Row{{0.5, "000001"},
                                           {2.2, "15/02/2024"},
                                           {4.3, "   1000,00"},
                                           {6.6, "    200,00"},
                                           {8.8, "    800,00"},
                                           {15.2, "    220,00"},
                                           {18.3, "   1020,00"}}));  // nothing under 13.2 nor 11.3
    EXPECT_EQ(RowOf(texts, "000002").count(4.3), 0u);
    // Every column of the totals: the lone 0,50 counts, nothing under 11.3 and 13.2 sums to a written amount.
    EXPECT_EQ(RowOf(OnPage(texts, 1), "PERIODO"),
              (Row{{0.5, "PERIODO"}, {4.3, "   1000,50"}, {6.6, "    200,00"}, {8.8, "    800,50"},
                   {15.2, "    220,00"}, {18.3, "   1020,50"}}));

    const auto second = OnPage(texts, 2);
    EXPECT_EQ(Find(second, "PERCETTORE : 0002").y, 2.6);
    EXPECT_EQ(RowOf(second, "000001"), (Row{{0.5, "000001"}, {2.2, "15/03/2024"}, {4.3, "    500,00"}, {6.6, "     50,00"},
                                            {8.8, "    420,00"}, {13.2, "     30,00"}, {18.3, "    420,00"}}));
    EXPECT_EQ(RowOf(second, "PERIODO"),  // started again from 0
              (Row{{0.5, "PERIODO"}, {4.3, "    500,00"}, {6.6, "     50,00"}, {8.8, "    420,00"}, {13.2, "     30,00"},
                   {18.3, "    420,00"}}));
}

TEST_F(RegisterReportTest, SeventyDocumentsBreakAfterTheSixtyFifthLineWithTheNarrowTitles) {
    WritePayees({Payee(1)});
    std::vector<demo::DemoFeeNote> notes;
    for (int document = 1; document <= 70; ++document) notes.push_back(Note(1, 1, document, "042024", 1000 + document));
    WriteNotes(notes);
    Start();
    const auto texts = ReadTexts(WrittenPdf(Registro_Compensi_Terzi, Request({"001"}), kRossiFolder + "PARR" + kRossi));
    ASSERT_EQ(e2e::PageCount(texts), 2);
    auto lines = [&](int page) {
        const auto on = OnPage(texts, page);
        return std::count_if(on.begin(), on.end(), [](const PdfText& text) { return text.x == 2.2; });
    };
    EXPECT_EQ(lines(1), 65);
    EXPECT_EQ(lines(2), 5);
    EXPECT_EQ(Find(OnPage(texts, 1), "NUMERO").text.substr(0, 10), "NUMERO   D");
    EXPECT_EQ(Find(OnPage(texts, 2), "NUMERO").text.substr(0, 10), "NUMERO  DA");
    EXPECT_EQ(Find(OnPage(texts, 2), "DOCUM.").text.substr(0, 10), "DOCUM.  PA");
    EXPECT_EQ(Find(OnPage(texts, 2), "000066").y, 2.6 + 2.1 + 0.7);
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

using CertificatesTest = ReportTest;

// One certificate per payee whose sums are not zero, the year chosen in its sentence (months are chosen:
// no year test on the 2024 archive), the example's derived amounts and wording.
TEST_F(CertificatesTest, OneCertificatePerPayeeWithItsDerivedAmountsAndWording) {
    WritePayees({Payee(1), Payee(2), Payee(3)});
    demo::DemoFeeNote note = Note(1, 1, 1, "062023", 100000, 20000, 22000);
    note.fund = 4000;
    note.stampDuty = 200;
    note.rate = 2000;
    WriteNotes({note, Note(1, 2, 1, "062023", 0, 0, 0), Note(1, 3, 1, "062023")});
    Start();
    const auto pdf = WrittenPdf(Elenco_Certificazioni, Request({"001"}, {6}), kRossiFolder + "PARC" + kRossi);
    const auto texts = ReadTexts(pdf);
    ASSERT_EQ(e2e::PageCount(texts), 2);  // payee 2 sums to zero
    EXPECT_EQ(Find(OnPage(texts, 2), "01. NOMINATIVO").text,
              "01. NOMINATIVO          : " + Payee(3).surname + " " + Payee(3).name);
    EXPECT_EQ(Find(texts, "che  nel  corso").text,
              "che  nel  corso  dell'anno 2024  sono  stati  corrisposti  i seguenti compensi assoggettati");
    const std::string separate = Find(texts, "11.").text;  // a zero inside a longer text is written
    EXPECT_EQ(separate.substr(separate.find(": Euro ") + 7), "      0,00");
    const PdfText attesta = Find(texts, "ATTESTA");
    EXPECT_EQ(attesta.size, 12);
    EXPECT_EQ(attesta.x, 9.5);
    EXPECT_EQ(Find(texts, "a ritenuta d'acconto del ").text, "a ritenuta d'acconto del 20,00 %");
    EXPECT_EQ(Find(texts, "31/01/2025").x, 1.8);
    // pdftotext (Latin-1 output) decodes the single Windows-1252 bytes of the accented letters.
    const std::string plain = test::PdfToText(pdf);
    EXPECT_NE(plain.find("L'Importo delle ritenute \xE8 stato versato in conformit\xE0 alle disposizioni"),
              std::string::npos)
        << plain;
}

// A printer whose job `lost` loses a line, as when the user lets the printer error skip it.
class LosingPrinter : public test::RecordingPrinter {
public:
    LosingPrinter(output::OutputState& output, int lost) : output_(output), lost_(lost) {}
    void Print(const std::string& text) override {
        RecordingPrinter::Print(text);
        if (printed.back().job == lost_) output_.printJobLost = true;
    }

private:
    output::OutputState& output_;
    int lost_;
};

// The summary names a lost job by what it held: the certificate of its payee, or the list of payees,
// which is no company's.
TEST_F(CertificatesTest, ALostPrintJobIsNamedByTheDocumentItHeld) {
    WritePayees({Payee(1), Payee(2)});
    WriteNotes({Note(1, 1, 1, "012024"), Note(1, 2, 1, "012024")});
    Start();
    UsePrinter();
    const struct {
        const char* name;
        int lostJob;
        Report run;
        std::string closing;
        std::string lost;  // the start of the line naming the job
    } cases[] = {
        {"certificates", 2, Elenco_Certificazioni, "Stampa Elenco Certificazioni non completata",
         "  001 ROSSI COSTRUZIONI S.R.L. - certificazione 0002 " + Payee(2).surname},
        {"payees", 1, Elenco_Percipienti_Stampa, "Stampa Elenco Percipienti non completata", "  Elenco Percipienti"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LosingPrinter losing(program_->output, c.lostJob);
        program_->output.printer = &losing;
        program_->output.run = output::RunOutcome{};
        c.run(Context(), Request({"001"}));
        const std::string text = Messages().back().text;
        EXPECT_EQ(text.rfind(c.closing + "\r\rStampe non eseguite: 1\r" + c.lost, 0), 0u) << text;
    }
}

using PayeesTest = ReportTest;

TEST_F(PayeesTest, ThirtySeventhPayeeOnPageOneThirtyEighthOnPageTwoRemovedOnesLeftOut) {
    std::vector<demo::DemoPayee> payees;
    for (int code = 1; code <= 39; ++code) payees.push_back(Payee(code, code == 5 ? "99" : "00"));
    WritePayees(payees);
    Start();
    const auto texts = ReadTexts(WrittenPdf(Elenco_Percipienti_Stampa, Request({}), "PERCIPIENTI/PERCIPIENTI.pdf"));
    ASSERT_EQ(e2e::PageCount(texts), 2);
    const PdfText thirtySeventh = Find(texts, "0038");  // 0005 is left out
    EXPECT_EQ(thirtySeventh.page, 1);
    EXPECT_NEAR(thirtySeventh.y, 27.95, 0.006);
    const PdfText thirtyEighth = Find(texts, "0039");
    EXPECT_EQ(thirtyEighth.page, 2);
    EXPECT_NEAR(thirtyEighth.y, 2.75, 0.006);
    for (const PdfText& text : texts) EXPECT_NE(text.text.rfind("0005", 0), 0u);
    EXPECT_EQ(Find(texts, "COD. PERCIPIENTE").text.find("CODICE FICALE"), 66u);
    EXPECT_EQ(thirtySeventh.text.size(), 82u);
    EXPECT_EQ(thirtySeventh.text.substr(66), Payee(38).fiscalCode);
    EXPECT_EQ(Find(OnPage(texts, 2), "STAMPA ELENCO PERCIPIENTI").text.substr(72), "Pag.02");
    EXPECT_EQ(Messages().back().title, "Creazione modulo PDF Elenco Percipienti");
}

// What follows the label's first occurrence among the recorded calls ("DrawText(x,y,TEXT,align)"), past
// dots, colons, spaces and "Euro".
std::string After(const std::vector<std::string>& calls, const std::string& label) {
    for (const std::string& text : calls) {
        const size_t at = text.find(label);
        if (at == std::string::npos) continue;
        std::string rest = text.substr(at + label.size());
        rest.erase(0, rest.find_first_not_of(" .:"));
        if (rest.rfind("Euro", 0) == 0) rest.erase(0, rest.find_first_not_of(' ', 4));
        return rest;
    }
    return "(no " + label + ")";
}

// Each report's table is written by its collection and read by its printing: one note whose every field
// differs shows each value beside its own label, so a cell written to a neighbouring column is seen;
// the certificate adds the payee's other notes of both kinds.
class ColumnsTest : public ReportTest {
protected:
    ColumnsTest() {
        WritePayees({payee_});
        demo::DemoFeeNote note = Note(1, 1, 7, "022024", 100000, 20000, 22000);
        note.notSubject = 1100;
        note.commission = 50000;
        note.commissionNotSubject = 2200;
        note.advanceExpenses = 3000;
        note.commissionWithholding = 5000;
        note.fund = 3300;
        note.separateWithholding = 4400;
        note.stampDuty = 200;
        note.rate = 12345;
        // The certificate sums a commission note and a later fee note in with it.
        demo::DemoFeeNote commission = Note(1, 1, 8, "022024", 0, 0, 1000);
        commission.commission = 30000;
        commission.commissionNotSubject = 500;
        commission.commissionWithholding = 6000;
        commission.advanceExpenses = 1000;
        WriteNotes({note, commission, Note(1, 1, 9, "022024", 10000, 2000, 0)});
        Start();
    }

    // Each label with the value that must follow it.
    void Check(Report report, const std::vector<std::pair<std::string, std::string>>& expected) {
        log_->calls.clear();
        report(Context(), Request({"001"}));
        for (const auto& [label, value] : expected)
            EXPECT_THAT(After(log_->calls, label), ::testing::StartsWith(value)) << label;
    }

    const demo::DemoPayee payee_ = Payee(1);
};

TEST_F(ColumnsTest, EveryValueIsPrintedBesideItsOwnLabel) {
    const std::string& p = payee_.fiscalCode;
    const std::string birth = payee_.birthDate.substr(0, 2) + "/" + payee_.birthDate.substr(2, 2) + "/" +
                              payee_.birthDate.substr(4);
    Check(Elenco_Documenti, {{"NATO A      : ", payee_.birthplace},
                             {"CODICE FISCALE ", p},
                             {"DOMICILIO   : ", payee_.address.substr(0, 10)},
                             {"NUMERO DOCUMENTO : ", "000007"},
                             {"TOT.AMM.L.AUTONOMO:", "1000,00"},
                             {"SOMME NO SOG.:", "11,00"},
                             {"RIT.OPER. :", "200,00"},
                             {"TOT.AMM.L.AUT.PROV:", "500,00"},
                             {"QUOTA ESENTE :", "22,00"},
                             {"SPESE ANT.:", "30,00"},
                             {"CODICE TRIBUTO  : ", "1040"},
                             {"DATA CORRESPONS.: ", "02/2024"},
                             {"DATA VERSAMENTO : ", "10/02/2024"},
                             {"IMPORTO VERSATO : ", "123,45"},
                             {"NUM. BOLLO / Q. : ", "BONIFICO"}});
    Check(Registro_Compensi_Terzi, {{" NATO A ", payee_.birthplace},
                                    {"IL GIORNO ", birth},
                                    {"DOMICILIO  : ", payee_.address.substr(0, 10)},
                                    {"COD.FISC.  : ", p}});
    Check(Elenco_Certificazioni, {{"01. NOMINATIVO", payee_.surname},
                                  {"02. DATA DI NASCITA", birth},
                                  {"03. COMUNE DI NASCITA", payee_.birthplace},
                                  {"04. INDIRIZZO RESIDENZA", payee_.address.substr(0, 10)},
                                  {"05. COMUNE DI RESIDENZA", payee_.town.substr(0, 10)},
                                  {"06. CODICE FISCALE", p},
                                  {"07. TOTALE LORDO", "1400,00"},
                                  {"08. NON SOGGETTO A RITENUTA", "16,00"},
                                  {"8B. IVA", "230,00"},
                                  {"8C. CASSA", "33,00"},
                                  {"09. IMPONIBILE IRPEF (07-08-8B-8C)", "1121,00"},
                                  {"10. RITENUTE OPERATE (IMPORTO)", "280,00"},
                                  {"11. RIT. PREV. SEPARATA I.N.P.S. (IMPORTO)", "44,00"},
                                  {"12. IMPOSTA DI BOLLO (IMPORTO)", "2,00"},
                                  {"13. SPESE ANTICIPATE (IMPORTO)", "10,00"},
                                  {"14. IMPORTO NETTO CORRISPOSTO (07-10-11-12-13)", "1064,00"},
                                  {"CAUSALE :", payee_.reasonCode}});
}



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
    using Opened = std::pair<std::string, std::string>;  // folder, file
    auto opened = [&] {
        const platform::MessageBox box = WithSummary({}, run);
        return Opened{box.openFolder, box.openFile};
    };
    EXPECT_EQ(opened(), Opened("/a/FILE-PDF", ""));
    run.written.resize(1);
    EXPECT_EQ(WrittenFolderLines(run), "D0");
    EXPECT_EQ(opened(), Opened("/a/FILE-PDF/D0/2024/PARC", "/a/FILE-PDF/D0/2024/PARC/f.pdf"));
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
    EXPECT_THAT(test::FilesUnder(dir_.path() / "demo", ".pdf"), ::testing::IsEmpty());
    EXPECT_THAT(test::FilesUnder(dir_.path() / "demo", ".part"), ::testing::IsEmpty());
}

}  // namespace
}  // namespace kv::reports
