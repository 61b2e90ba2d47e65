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

// A box as one line, "title | text | icon | buttons", to compare every box shown at once.
std::string Line(const std::string& title, const std::string& text, Icon icon,
                 platform::Buttons buttons = platform::Buttons::Ok) {
    return title + " | " + text + " | icon " + std::to_string(static_cast<int>(icon)) + " | buttons " +
           std::to_string(static_cast<int>(buttons));
}
const std::string kRetry = Line("Lumeo", "ERR.STAMPANTE - SI VUOLE RITENTARE ?", Icon::Stop, platform::Buttons::YesNo);
const std::string kClose = Line("Lumeo", "CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)",
                                Icon::Exclamation, platform::Buttons::YesNo);

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
    std::vector<std::string> Shown() const {
        std::vector<std::string> lines;
        for (const platform::MessageBox& box : dialogs_.shown()) {
            lines.push_back(Line(box.title, box.text, box.icon, box.buttons));
        }
        return lines;
    }
};

TEST_F(ErrorReporterTest, OtherErrorsShowTheTrailOldestFirstThenTheClosingBoxAndEnd) {
    platform::CallTrail& trail = program_->services.trail;
    for (int i = 1; i <= 12; ++i) trail.TRACCIA("P" + std::to_string(i));
    ASSERT_GT(test::OpenFiles(*program_), 0);
    EXPECT_EQ(Report(RuntimeError(platform::err::kBadRecordLength)), platform::exit_status::kFatal);
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           Line("Lumeo KVVELM", "Errore 59 Bad record length\r\nP3\r\nP4\r\nP5\r\nP6\r\nP7\r\nP8\r\nP9\r\n"
                                "P10\r\nP11\r\nP12\r\n", Icon::Stop),
                           Line("Lumeo", "CHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\r\nLANCIARE RIPRISTINO TASK",
                                Icon::Information)}));
    EXPECT_EQ(test::OpenFiles(*program_), 0);
}

TEST_F(ErrorReporterTest, PrinterErrorRetriesSkipsOrCloses) {
    RuntimeError printer(platform::err::kPrinterError);
    ErrorAction action{};

    dialogs_.Script(Answer::Yes);
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Retry);
    EXPECT_EQ(Shown(), std::vector<std::string>{kRetry});

    dialogs_.Script(Answer::No);
    dialogs_.Script(Answer::No);
    EXPECT_EQ(Report(printer, &action), -1);
    EXPECT_EQ(action, ErrorAction::Skip);
    EXPECT_EQ(Shown(), (std::vector<std::string>{kRetry, kRetry, kClose}));
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
    EXPECT_EQ(Shown(), (std::vector<std::string>{kRetry, kRetry, kClose, kRetry, kClose}));
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
    EXPECT_EQ(Shown(), (std::vector<std::string>{kRetry, kRetry}));
}

}  // namespace
}  // namespace kv::app
