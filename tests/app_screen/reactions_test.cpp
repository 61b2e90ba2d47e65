// The screen's controls after start-up and the reactions of the tick boxes, options, keys and the
// exit command.

#include <gtest/gtest.h>

#include "app/screen_confirm.hpp"
#include "app/screen_controls.hpp"
#include "app/screen_reactions.hpp"
#include "platform/errors.hpp"
#include "tests/app_screen/screen_text.hpp"
#include "tests/support/demo_installation.hpp"

namespace kv::app {
namespace {

class ReactionsTest : public test::DemoInstallationTest {
protected:
    ReactionsTest() { StartProgram(); }
};

// The choices a confirm resets to are tested with the confirm; these are start-up's own (period 2025,
// "Precedente"). The output layer names the holder as each PDF document's Creator.
TEST_F(ReactionsTest, StartUpLeavesTheInitialChoices) {
    EXPECT_EQ(test::ScreenText(program_->screen), "year 2024 previous | months all 111111111111 locked | report -1 | "
                                                  "printer | by code | companies *0000000 \"Seleziona tutte le Ditte\"");
    EXPECT_TRUE(dialogs_.shown().empty());
    EXPECT_EQ(program_->output.holderName, "STUDIO MARINI & ASSOCIATI");
}

TEST_F(ReactionsTest, TutteIMesiTickBox) {
    Program& program = *program_;
    auto months = [&program] { return test::ScreenPart(program.screen, "months"); };
    SelectMonth(program, 3, false);  // a locked list takes no clicks
    EXPECT_EQ(months(), "months all 111111111111 locked");
    TickAllMonths(program, false);
    EXPECT_EQ(months(), "months 000000000000");
    SelectMonth(program, 3, true);
    SelectMonth(program, 12, true);  // outside the list
    SelectMonth(program, -1, true);
    EXPECT_EQ(months(), "months 000*100000000");
    TickAllMonths(program, true);
    EXPECT_EQ(months(), "months all 111111111111 locked");
}

TEST_F(ReactionsTest, CertificatesShowTheDateFieldWithToday) {
    Program& program = *program_;
    auto report = [&program] { return test::ScreenPart(program.screen, "report"); };
    ChooseReport(program, kCertificazioni);
    EXPECT_EQ(report(), "report 3 date field 06/12/2026");
    EXPECT_EQ(program.screen.focus, "txtdata");
    TypeDate(program, "31/01/2027");
    EXPECT_EQ(report(), "report 3 date field 31/01/2027");
    ChooseReport(program, kElencoPercipienti);
    EXPECT_EQ(report(), "report 2");
    ChooseReport(program, 7);  // no such option
    EXPECT_EQ(report(), "report 2");
}

TEST_F(ReactionsTest, CtrlShiftPShowsTheInformationBox) {
    Program& program = *program_;
    Form_KeyDown(program, 80, 1);  // Shift+P
    Form_KeyDown(program, 81, 3);  // Ctrl+Shift+Q
    EXPECT_TRUE(dialogs_.shown().empty());
    Form_KeyDown(program, 80, 3);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Informazioni Progetto lumeo");
    EXPECT_NE(dialogs_.shown()[0].text.find("Nome EXE : KVVELM.EXE"), std::string::npos);
}

}  // namespace
}  // namespace kv::app
