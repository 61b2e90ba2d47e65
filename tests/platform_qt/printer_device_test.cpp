// The Qt printer object printing to PDF files (QPrinter's PDF output), read back by poppler: where
// text lands, and when a job starts, breaks pages and ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/errors.hpp"
#include "platform/qt/qt_printer_device.hpp"
#include "platform/qt/qt_session.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform::qt {
namespace {

namespace fs = std::filesystem;

constexpr double kPointsPerTwip = 1.0 / 20;

// The Qt application every test of the suite prints under: offscreen, so no display is needed.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { session_ = std::make_unique<QtSession>(); }
    void TearDown() override { session_.reset(); }

private:
    std::unique_ptr<QtSession> session_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

class PrinterDeviceTest : public ::testing::Test {
protected:
    PrinterDeviceTest() : dir_("qtprint") {}

    // A device whose every job goes to the next numbered file: job-1.pdf, job-2.pdf ...
    QtPrinterDevice NumberedFiles() {
        return QtPrinterDevice([this] {
            return PrintTarget{"", (dir_ / ("job-" + std::to_string(++jobsAsked_) + ".pdf")).string()};
        });
    }
    fs::path Job(int number) const { return dir_ / ("job-" + std::to_string(number) + ".pdf"); }

    test::TempDir dir_;
    int jobsAsked_ = 0;
};

TEST_F(PrinterDeviceTest, TextTopSitsAtCurrentYAndPrintMovesToTheNextLine) {
    QtPrinterDevice printer = NumberedFiles();
    printer.SetFontName("Courier New");
    printer.SetFontSize(12);
    printer.SetCurrentX(1440);  // one inch
    printer.SetCurrentY(2880);  // two inches
    printer.Print("FIRST");
    EXPECT_EQ(printer.CurrentX(), 0);
    const double lineTwips = printer.CurrentY() - 2880;
    EXPECT_NEAR(lineTwips, 12 * 20 * 1.1328, 10);  // Liberation Mono's line: 1.1328 em
    printer.Print("SECOND");  // at the left edge, one line down
    printer.SetCurrentX(5 * 567);
    printer.SetCurrentY(-57);  // above the page's top edge, as the reports' first rows can be
    printer.Print("EDGE");
    printer.EndDoc();

    EXPECT_QPDF_CLEAN(Job(1));
    auto words = test::WordBoxes(Job(1));
    auto first = test::FindWord(words, "FIRST");
    EXPECT_NEAR(first.xMin, 72, 0.5);
    EXPECT_NEAR(first.yMin, 144, 1.0);
    EXPECT_NEAR(first.xMax - first.xMin, 5 * 0.6 * 12, 0.5);  // five 600/1000-em cells
    auto second = test::FindWord(words, "SECOND");
    EXPECT_NEAR(second.xMin, 0, 0.5);
    EXPECT_NEAR(second.yMin - first.yMin, lineTwips * kPointsPerTwip, 0.5);
    auto edge = test::FindWord(words, "EDGE");
    EXPECT_NEAR(edge.xMin, 5 * 567 * kPointsPerTwip, 0.5);
    EXPECT_NEAR(edge.yMin, -57 * kPointsPerTwip, 1.0);
}

TEST_F(PrinterDeviceTest, JobStartsAtTheFirstPrintAndAnEmptyEndDocMakesNone) {
    QtPrinterDevice printer = NumberedFiles();
    printer.EndDoc();  // a company with nothing to print
    printer.NewPage();
    printer.EndDoc();
    EXPECT_EQ(jobsAsked_, 0);
    EXPECT_EQ(printer.JobsEnded(), 0);
    EXPECT_FALSE(printer.JobOpen());

    printer.SetCurrentY(3000);
    printer.Print("ONE");
    EXPECT_TRUE(printer.JobOpen());
    printer.NewPage();
    EXPECT_EQ(printer.CurrentY(), 0);  // a new page starts at its top
    printer.Print("TWO");
    printer.NewPage();  // just before EndDoc: no blank third page
    printer.EndDoc();
    EXPECT_EQ(printer.JobsEnded(), 1);
    EXPECT_FALSE(printer.JobOpen());

    printer.Print("THREE");  // the next company is a job of its own
    printer.EndDoc();
    printer.EndDoc();
    EXPECT_EQ(printer.JobsEnded(), 2);
    EXPECT_EQ(jobsAsked_, 2);

    EXPECT_QPDF_CLEAN(Job(1));
    EXPECT_EQ(test::PageCount(Job(1)), 2);
    auto words = test::WordBoxes(Job(1), 1, 2);
    EXPECT_EQ(test::FindWord(words, "ONE").page, 1);
    EXPECT_EQ(test::FindWord(words, "TWO").page, 2);
    EXPECT_NEAR(test::FindWord(words, "TWO").yMin, 0, 1.0);
    EXPECT_EQ(test::PageCount(Job(2)), 1);
    EXPECT_EQ(test::WordBoxes(Job(2)).front().word, "THREE");
}

TEST_F(PrinterDeviceTest, AQueueThatDoesNotExistIsAPrinterError) {
    QtPrinterDevice printer([] { return PrintTarget{"KVVELM no such queue", ""}; });
    EXPECT_EQ(test::ErrorOf([&] { printer.Print("X"); }).number(), err::kPrinterError);
}

}  // namespace
}  // namespace kv::platform::qt
