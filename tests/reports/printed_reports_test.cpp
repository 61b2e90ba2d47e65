// The register, the certificates and the list of payees written by Folivo and read back with pikepdf
// (and pdftotext): amounts at their columns, totals per payee, page breaks, the lone-zero rule, the
// certificates' derived amounts and wording; lost print jobs named by what they held.

#include <algorithm>
#include <map>

#include "reports/certificates_report.hpp"
#include "reports/payees_report.hpp"
#include "reports/register_report.hpp"
#include "tests/reports/report_fixture.hpp"
#include "tests/support/pdf_texts.hpp"

namespace kv::reports {
namespace {

using e2e::Find;
using e2e::OnPage;
using e2e::PdfText;
using e2e::ReadTexts;

const std::string kRossi = "_AP_001_ROSSI COSTRUZIONI S.R.L..pdf";
const std::string kRossiFolder = "001/2025/12/PARC/";

class RegisterReportTest : public ReportTest {
protected:
    std::vector<PdfText> RunAndRead(const ReportRequest& request) {
        return ReadTexts(WrittenPdf(Registro_Compensi_Terzi, request, kRossiFolder + "PARR" + kRossi));
    }

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
    const auto texts = RunAndRead(Request({"001"}));
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
    const auto texts = RunAndRead(Request({"001"}));
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

}  // namespace
}  // namespace kv::reports
