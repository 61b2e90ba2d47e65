// The text, font, page and end-of-job forms on each target, in the order the printer object needs, and
// what a failing document leaves on disk (numbering: pdf_naming_test.cpp). STAMPATESTO judges numeric
// texts by the locale's decimal separator and always empties the text line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/numeric_text.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_document.hpp"
#include "output/pdf_folders.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::output {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using test::ErrorOf;

const ReportDocument kDocument{"001", "PARC", "200612", "PARD_AC_", {}};

using PrinterForms = OutputFixture;

TEST_F(PrinterForms, PagesBreakInTheBodyAndEachCompanyIsAJob) {
    OpenHeadingPage(state, kDocument, true);
    BreakPrinterPage(state);
    OpenHeadingPage(state, kDocument, false);
    EndCompanyOutput(state);
    EXPECT_THAT(printer.calls, ElementsAre("NewPage", "EndDoc"));
    EXPECT_THAT(log->calls, IsEmpty());
    EXPECT_FALSE(fs::exists(dir.path() / "drives")) << "no folders for the printer";
}

class PdfForms : public OutputFixture {
protected:
    void SetUp() override {
        state.MODOPDF = true;
        SetArchives("D:\\DATI\\ARCHIVI");
        SetCompany("001", "ROSSI SRL");
    }

    fs::path Folder() const { return Host("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC"); }

    // Files in the document folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PdfForms, FirstHeadingCreatesTheDocumentLaterOnesBeginPages) {
    OpenHeadingPage(state, kDocument, true);
    EXPECT_TRUE(state.PDFAPERTO);
    log->calls.clear();
    SetArchives("E:\\ALTRO\\ARCHIVI");  // a later page keeps the folder its document was made in
    BreakPrinterPage(state);  // nothing on PDF
    OpenHeadingPage(state, kDocument, false);
    EXPECT_THAT(log->calls, ElementsAre("BeginPage()"));
    EXPECT_FALSE(fs::exists(Host("E:\\ALTRO\\FILE-PDF"))) << "the folder is checked once a document";
    EndCompanyOutput(state);
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_THAT(Files(), ElementsAre("PARD_AC_001_ROSSI SRL.pdf"));
    log->calls.clear();
    EndCompanyOutput(state);  // no document open: nothing to close
    EXPECT_THAT(log->calls, IsEmpty());
    EXPECT_THAT(printer.calls, IsEmpty());
}

TEST_F(PdfForms, AFailedFinishLeavesNoFileAndNamesIt) {
    fs::create_directories(Folder());
    test::WriteFile(Folder() / "PARD_AC_001_ROSSI SRL.pdf", "older run");
    log->failingCall = "EndDoc";
    OpenHeadingPage(state, kDocument, true);
    const platform::RuntimeError error = ErrorOf([&] { EndCompanyOutput(state); });
    EXPECT_EQ(error.number(), platform::err::kDiskFull);
    EXPECT_THAT(error.description(), HasSubstr("PARD_AC_001_ROSSI SRL.pdf"));
    EXPECT_THAT(error.description(), HasSubstr("Disk full"));
    EXPECT_THAT(log->calls.back(), "Abort()");
    EXPECT_THAT(Files(), ElementsAre("PARD_AC_001_ROSSI SRL.pdf")) << "no partial file";
    EXPECT_EQ(test::ReadFile(Folder() / "PARD_AC_001_ROSSI SRL.pdf"), "older run");
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_EQ(state.writer, nullptr);
}

TEST_F(PdfForms, AFailedTextDiscardsTheDocument) {
    OpenHeadingPage(state, kDocument, true);
    log->failingCall = "DrawText";
    std::string line = "TEXT";
    const platform::RuntimeError error = ErrorOf([&] { STAMPATESTO(state, 1, 1, line); });
    EXPECT_THAT(error.description(), HasSubstr("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC\\PARD_AC_001_ROSSI SRL.pdf"));
    EXPECT_TRUE(Files().empty());
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_EQ(line, "");
}

TEST(NumericText, FollowsTheDecimalSeparatorOfTheLocale) {
    for (const char* text : {"0,00", "1,50", "  12 ", "-3", "3-", "(4)", "1.234,5", "1e3", "&H1F", "+,5"})
        EXPECT_TRUE(IsNumericText(text, ',')) << text;
    for (const char* text : {"", "  ", "-", ",", "1,2,3", "DITTA: 001", "12 A", ".5", "1e", "&HG", "--1", "1 2"})
        EXPECT_FALSE(IsNumericText(text, ',')) << text;
    // With "." as the decimal mark the comma groups digits.
    EXPECT_TRUE(IsNumericText("1,234.5", '.'));
    EXPECT_FALSE(IsNumericText("0,5.1.2", '.'));
}

using StampText = OutputFixture;

// The same texts are written on both targets, at the place asked; the text line is always emptied.
TEST_F(StampText, TextsPassTheZeroRuleOnBothTargetsAndTheLineIsAlwaysEmptied) {
    const struct {
        const char* text;
        bool printZero, written;
    } cases[] = {
        {"", true, false},        {"     ", true, false},  {"0,00", false, false},
        {"0,00", true, true},     {"   0,00", false, false},
        {"0,50", false, false},  // the value read stops at the comma
        {"1,50", false, true},    {"DITTA: 000 0,00 00000", false, true},
    };
    for (bool pdf : {true, false}) {
        state.MODOPDF = pdf;
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(pdf ? "pdf " : "printer ") + "\"" + c.text + "\"");
            const size_t drawn = log->calls.size(), printed = printer.printed.size();
            std::string line = c.text;
            STAMPATESTO(state, 3, 2, line, c.printZero);
            EXPECT_EQ(line, "");
            const size_t written = pdf ? log->calls.size() - drawn - 1 : printer.printed.size() - printed;
            EXPECT_EQ(written, c.written ? 1u : 0u);
        }
    }
    EXPECT_EQ(log->calls[4], "DrawText(2,3,0,00,1)");  // column, row in centimetres
    EXPECT_EQ(log->writersMade, 1) << "one writer, made when first needed";
    ASSERT_EQ(printer.printed.size(), 3u);
    EXPECT_EQ(printer.printed[0].text, "0,00");
    EXPECT_EQ(printer.printed[0].x, 963);   // (2 - 0.3) * 567 = 963.9
    EXPECT_EQ(printer.printed[0].y, 1360);  // (3 - 0.6) * 567 = 1360.8
    // A signed zero with "." as the decimal mark.
    EXPECT_TRUE(IsTextWritten("000000-", true, '.'));
    EXPECT_FALSE(IsTextWritten("000000-", false, '.'));
}

using StampOnPrinter = OutputFixture;

TEST_F(StampOnPrinter, NoPrinterIsAPrinterErrorAndTheLineIsStillEmptied) {
    state.printer = nullptr;
    std::string line = "TEXT";
    EXPECT_EQ(test::ErrorOf([&] { STAMPATESTO(state, 1, 1, line); }).number(), 482);
    EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace kv::output
