// The certificates and the list of payees written by Folivo and read back with pikepdf and
// pdftotext.

#include "reports/certificates_report.hpp"
#include "reports/payees_report.hpp"
#include "tests/support/pdf_texts.hpp"
#include "tests/reports/report_fixture.hpp"

namespace kv::reports {
namespace {

namespace fs = std::filesystem;
using e2e::PdfText;

class CertificatesTest : public ReportTest {
protected:
    fs::path RunToPdf(const ReportRequest& request) {
        UseFolivo();
        Elenco_Certificazioni(Context(), request);
        const fs::path pdf = fs::path(program_->output.CARTELLAPDF) / "PARC_AP_001_ROSSI COSTRUZIONI S.R.L..pdf";
        EXPECT_QPDF_CLEAN(pdf);
        return pdf;
    }

    static std::string AmountOf(const std::vector<PdfText>& texts, const std::string& label) {
        const std::string text = e2e::Find(texts, label).text;
        return text.substr(text.find(": Euro ") + 7);
    }
};

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
    const fs::path pdf = RunToPdf(Request({"001"}, {6}));
    const auto texts = e2e::ReadTexts(pdf);
    ASSERT_EQ(e2e::PageCount(texts), 2);  // payee 2 sums to zero
    EXPECT_EQ(e2e::Find(e2e::OnPage(texts, 2), "01. NOMINATIVO").text,
              "01. NOMINATIVO          : " + Payee(3).surname + " " + Payee(3).name);
    EXPECT_EQ(e2e::Find(texts, "che  nel  corso").text,
              "che  nel  corso  dell'anno 2024  sono  stati  corrisposti  i seguenti compensi assoggettati");
    EXPECT_EQ(AmountOf(texts, "11."), "      0,00");  // a zero inside a longer text is written
    const PdfText attesta = e2e::Find(texts, "ATTESTA");
    EXPECT_EQ(attesta.size, 12);
    EXPECT_EQ(attesta.x, 9.5);
    EXPECT_EQ(e2e::Find(texts, "a ritenuta d'acconto del ").text, "a ritenuta d'acconto del 20,00 %");
    EXPECT_EQ(e2e::Find(texts, "31/01/2025").x, 1.8);
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
    struct Case {
        const char* name;
        int lostJob;
        ReportOutcome (*run)(const ReportContext&, const ReportRequest&);
        std::string closing;
        std::string lost;  // the start of the line naming the job
    };
    const std::vector<Case> cases = {
        {"certificates", 2, Elenco_Certificazioni, "Stampa Elenco Certificazioni non completata",
         "  001 ROSSI COSTRUZIONI S.R.L. - certificazione 0002 " + Payee(2).surname},
        {"payees", 1, Elenco_Percipienti_Stampa, "Stampa Elenco Percipienti non completata", "  Elenco Percipienti"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LosingPrinter losing(program_->output, c.lostJob);
        program_->output.printer = &losing;
        program_->output.run = output::RunOutcome{};
        c.run(Context(), Request({"001"}));
        const std::string text = Messages().back().text;
        EXPECT_EQ(text.rfind(c.closing + "\r\rStampe non eseguite: 1\r" + c.lost, 0), 0u) << text;
    }
}

class PayeesTest : public ReportTest {
protected:
    fs::path Pdf() const { return fs::path(program_->output.BASEPDF) / "FILE-PDF" / "PERCIPIENTI" / "PERCIPIENTI.pdf"; }
};

TEST_F(PayeesTest, ThirtySeventhPayeeOnPageOneThirtyEighthOnPageTwoRemovedOnesLeftOut) {
    std::vector<demo::DemoPayee> payees;
    for (int code = 1; code <= 39; ++code) payees.push_back(Payee(code, code == 5 ? "99" : "00"));
    WritePayees(payees);
    Start();
    UseFolivo();
    Elenco_Percipienti_Stampa(Context(), Request({}));
    EXPECT_QPDF_CLEAN(Pdf());
    const auto texts = e2e::ReadTexts(Pdf());
    ASSERT_EQ(e2e::PageCount(texts), 2);
    const PdfText thirtySeventh = e2e::Find(texts, "0038");  // 0005 is left out
    EXPECT_EQ(thirtySeventh.page, 1);
    EXPECT_NEAR(thirtySeventh.y, 27.95, 0.006);
    const PdfText thirtyEighth = e2e::Find(texts, "0039");
    EXPECT_EQ(thirtyEighth.page, 2);
    EXPECT_NEAR(thirtyEighth.y, 2.75, 0.006);
    for (const PdfText& text : texts) EXPECT_NE(text.text.rfind("0005", 0), 0u);
    const PdfText title = e2e::Find(texts, "COD. PERCIPIENTE");
    EXPECT_EQ(title.text.find("CODICE FICALE"), 66u);
    EXPECT_EQ(thirtySeventh.text.size(), 82u);
    EXPECT_EQ(thirtySeventh.text.substr(66), Payee(38).fiscalCode);
    EXPECT_EQ(e2e::Find(e2e::OnPage(texts, 2), "STAMPA ELENCO PERCIPIENTI").text.substr(72), "Pag.02");
    EXPECT_EQ(Messages().back().title, "Creazione modulo PDF Elenco Percipienti");
}

}  // namespace
}  // namespace kv::reports
