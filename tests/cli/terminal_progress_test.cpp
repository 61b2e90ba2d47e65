// The batch's progress line on a terminal: rewritten in place only when it changes, and cleared
// before a message box and when the report hides its wait panel.

#include <gtest/gtest.h>

#include <sstream>

#include "app/screen_progress.hpp"
#include "cli/terminal_progress.hpp"
#include "platform/terminal_dialogs.hpp"

namespace kv::cli {
namespace {

TEST(TerminalProgressTest, OneLineRewrittenInPlaceAndClearedForBoxes) {
    std::ostringstream out;
    std::ostringstream err;
    platform::TerminalDialogs dialogs(out);
    platform::FixedPrinters printers({}, "");
    platform::FixedClock clock(platform::LocalDateTime{2026, 12, 6, 9, 30, 0, 60});
    app::Program program(app::Environment{}, dialogs, printers, clock);
    {
        TerminalProgress progress(program, err);
        program.screen.waitPanelVisible = true;
        reports::ProgressCallback tell = app::ScreenProgress(program);
        EXPECT_TRUE(tell({0, 2, 0, 0}));
        EXPECT_TRUE(tell({0, 2, 0, 0}));  // nothing new: nothing written
        EXPECT_TRUE(tell({0, 2, 3, 10}));
        platform::MessageBox box;
        box.title = "Stampa";
        box.text = "Errore 70";
        platform::ShowMessage(program.services, box);
        EXPECT_TRUE(tell({1, 2, 0, 0}));
        app::CmdAnnulla_Click(program);
        EXPECT_FALSE(tell({1, 2, 1, 10}));
        program.screen.waitPanelVisible = false;
        app::ShowProgress(program);
    }
    const std::string first = "KVVELM: Ditte 0 su 2";
    const std::string payees = "KVVELM: Ditte 0 su 2, percipienti 3 su 10";
    const std::string second = "KVVELM: Ditte 1 su 2";
    const std::string stopping = "KVVELM: Ditte 1 su 2, percipienti 1 su 10";
    EXPECT_EQ(err.str(), "\r" + first + "\r" + payees + "\r" + std::string(payees.size(), ' ') + "\r" +
                             "\r" + second + "\r" + stopping + "\r" + std::string(stopping.size(), ' ') + "\r");
    EXPECT_EQ(out.str(), "Stampa\nErrore 70\n\n");
}

}  // namespace
}  // namespace kv::cli
