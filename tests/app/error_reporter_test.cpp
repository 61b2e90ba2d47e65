// SEGNALAERRORE's boxes with their exact texts and titles and the printer-error answers, with
// scripted dialogs; the printer the reports use retrying a line.

#include <gtest/gtest.h>

#include "app/start_up.hpp"
#include "archive/records.hpp"
#include "platform/errors.hpp"
#include "platform/reported_printer.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support_output/recording_printer.hpp"

namespace kv::app {
namespace {

using platform::Answer;
using platform::ErrorAction;
using platform::Icon;
using platform::RuntimeError;

const char* kRetryQuestion = "ERR.STAMPANTE - SI VUOLE RITENTARE ?";
const char* kCloseQuestion =
    "CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)";
const char* kClosingNotice = "CHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\r\nLANCIARE RIPRISTINO TASK";

class ErrorReporterTest : public test::DemoInstallationTest {
protected:
    ErrorReporterTest() { StartUp(MakeProgram()); }

    // Calls the installed reporter; the status the program ends with, or -1 when it goes on.
    int Report(const RuntimeError& error, ErrorAction* action = nullptr) {
        ErrorAction ignored{};
        return test::EndStatusOf([&] {
            (action ? *action : ignored) = program_->services.reporter->SEGNALAERRORE(error, program_->services.trail);
        });
    }
};

TEST_F(ErrorReporterTest, OtherErrorsShowTheTrailOldestFirstThenTheClosingBoxAndEnd) {
    platform::CallTrail& trail = program_->services.trail;
    for (int i = 1; i <= 12; ++i) trail.TRACCIA("P" + std::to_string(i));
    ASSERT_GT(test::OpenFiles(*program_), 0);
    EXPECT_EQ(Report(RuntimeError(platform::err::kBadRecordLength)), platform::exit_status::kFatal);

    ASSERT_EQ(dialogs_.shown().size(), 2u);
    const platform::MessageBox& error = dialogs_.shown()[0];
    EXPECT_EQ(error.title, "Lumeo KVVELM");
    EXPECT_EQ(error.text,
              "Errore 59 Bad record length\r\nP3\r\nP4\r\nP5\r\nP6\r\nP7\r\nP8\r\nP9\r\nP10\r\nP11\r\n"
              "P12\r\n");
    EXPECT_EQ(error.icon, Icon::Stop);
    EXPECT_EQ(error.buttons, platform::Buttons::Ok);
    const platform::MessageBox& closing = dialogs_.shown()[1];
    EXPECT_EQ(closing.title, "Lumeo");
    EXPECT_EQ(closing.text, kClosingNotice);
    EXPECT_EQ(closing.icon, Icon::Information);
    EXPECT_EQ(test::OpenFiles(*program_), 0);
}

TEST_F(ErrorReporterTest, PrinterErrorRetriesSkipsOrCloses) {
    RuntimeError printer(platform::err::kPrinterError);
    ErrorAction action{};

    dialogs_.Script(Answer::Yes);
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Retry);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Lumeo");
    EXPECT_EQ(dialogs_.shown()[0].text, kRetryQuestion);
    EXPECT_EQ(dialogs_.shown()[0].icon, Icon::Stop);
    EXPECT_EQ(dialogs_.shown()[0].buttons, platform::Buttons::YesNo);

    dialogs_.Script(Answer::No);
    dialogs_.Script(Answer::No);
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Skip);
    ASSERT_EQ(dialogs_.shown().size(), 3u);
    EXPECT_EQ(dialogs_.shown()[2].title, "Lumeo");
    EXPECT_EQ(dialogs_.shown()[2].text, kCloseQuestion);
    EXPECT_EQ(dialogs_.shown()[2].icon, Icon::Exclamation);
    EXPECT_GT(test::OpenFiles(*program_), 0);

    // The job has lost a line: its later failures are skipped unasked, and it counts as not printed.
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Skip);
    EXPECT_EQ(dialogs_.shown().size(), 3u);
    EXPECT_TRUE(program_->output.printJobLost);

    program_->output.printJobLost = false;  // the next job asks again
    dialogs_.Script(Answer::No);
    dialogs_.Script(Answer::Yes);
    EXPECT_EQ(Report(printer), platform::exit_status::kFatal);
    EXPECT_EQ(dialogs_.shown().size(), 5u);
    EXPECT_EQ(test::OpenFiles(*program_), 0);
}

// A printer that fails its next `failures` prints.
class FailingPrinter : public test::RecordingPrinter {
public:
    explicit FailingPrinter(int failures) : failures_(failures) {}
    void Print(const std::string& text) override {
        if (failures_ > 0 && failures_--) throw RuntimeError(platform::err::kPrinterError);
        RecordingPrinter::Print(text);
    }

private:
    int failures_;
};

// The printer the reports use asks after each failure and prints the line once the printer works.
TEST_F(ErrorReporterTest, RetriedLineIsPrintedOnceThePrinterWorks) {
    auto failing = std::make_unique<FailingPrinter>(2);
    const FailingPrinter& inner = *failing;
    platform::ReportedPrinter printer(program_->services, std::move(failing));
    dialogs_.Script(Answer::Yes);
    dialogs_.Script(Answer::Yes);
    printer.Print("RIGA 1");
    ASSERT_EQ(inner.printed.size(), 1u);
    EXPECT_EQ(inner.printed[0].text, "RIGA 1");
    EXPECT_EQ(dialogs_.texts(), (std::vector<std::string>{kRetryQuestion, kRetryQuestion}));
}

}  // namespace
}  // namespace kv::app
