// A failing printer reaches the error reporter's printer questions: try again, skip the line, or
// close the program; the real Qt printer's failure takes the same path.

#include <gtest/gtest.h>

#include <memory>

#include "app/error_reporter.hpp"
#include "archive/archive_state.hpp"
#include "output/output_state.hpp"
#include "platform/qt/qt_printer_device.hpp"
#include "platform/reported_printer.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform::qt {
namespace {

constexpr const char* kRetryQuestion = "ERR.STAMPANTE - SI VUOLE RITENTARE ?";
constexpr const char* kCloseQuestion =
    "CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)";

// A printer that fails its next `failures` operations, then records what it prints; fonts and
// position are the Qt printer object's own, which never fail.
class FlakyPrinter : public QtPrinterDevice {
public:
    explicit FlakyPrinter(int failures)
        : QtPrinterDevice([] { return PrintTarget{}; }), failures_(failures) {}
    void Print(const std::string& text) override {
        FailIfDue();
        printed.push_back(text);
    }
    void NewPage() override { FailIfDue(); }
    void EndDoc() override {
        FailIfDue();
        ++ended;
    }
    std::vector<std::string> printed;
    int ended = 0;

private:
    void FailIfDue() {
        if (failures_ > 0 && failures_--) throw RuntimeError(err::kPrinterError);
    }
    int failures_;
};

class ReportedPrinterTest : public ::testing::Test {
protected:
    ReportedPrinterTest()
        : dir_("reported"), services_(Files(DriveMap(dir_ / "drives"))), archive_(services_),
          output_(services_, archive_, output::PdfWriterFactory{}), reporter_(services_, archive_, output_) {
        services_.reporter = &reporter_;
        services_.dialogs = &dialogs_;
    }

    // The reported printer over a flaky one; `flaky` points at the inner printer.
    ReportedPrinter Over(int failures) {
        auto inner = std::make_unique<FlakyPrinter>(failures);
        flaky_ = inner.get();
        return ReportedPrinter(services_, std::move(inner));
    }

    std::vector<std::string> AskedTexts() const {
        std::vector<std::string> texts;
        for (const MessageBox& box : dialogs_.shown()) texts.push_back(box.text);
        return texts;
    }

    test::TempDir dir_;
    Services services_;
    archive::ArchiveState archive_;
    output::OutputState output_;
    app::DialogErrorReporter reporter_;
    ScriptedDialogs dialogs_;
    FlakyPrinter* flaky_ = nullptr;
};

TEST_F(ReportedPrinterTest, RetryPrintsTheLineOnceThePrinterWorks) {
    ReportedPrinter printer = Over(2);
    dialogs_.Script(Answer::Yes);
    dialogs_.Script(Answer::Yes);
    printer.Print("RIGA 1");
    printer.EndDoc();
    EXPECT_EQ(flaky_->printed, std::vector<std::string>{"RIGA 1"});
    EXPECT_EQ(flaky_->ended, 1);
    EXPECT_EQ(AskedTexts(), (std::vector<std::string>{kRetryQuestion, kRetryQuestion}));
    EXPECT_EQ(dialogs_.shown().front().icon, Icon::Stop);
    EXPECT_EQ(dialogs_.shown().front().title, "Lumeo");
}

TEST_F(ReportedPrinterTest, UnknownQueueAsksAndNobodyAnsweringCloses) {
    ReportedPrinter printer(services_, std::make_unique<QtPrinterDevice>([] {
                                return PrintTarget{"KVVELM no such queue", ""};
                            }));
    // No scripted answers: the unattended answers are "do not retry", then "close".
    EXPECT_THROW(printer.Print("X"), ProgramEnd);
    EXPECT_EQ(AskedTexts(), (std::vector<std::string>{kRetryQuestion, kCloseQuestion}));
}

}  // namespace
}  // namespace kv::platform::qt
