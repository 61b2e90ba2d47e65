// Clicks and keys on the window reach the model's reactions, and the widgets show what they did.

#include <QTest>

#include "tests/gui/window_fixture.hpp"

namespace kv::gui {
namespace {

TEST_F(WindowTest, CtrlShiftPShowsTheInformationBox) {
    Start();
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);  // not without Shift
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ShiftModifier);
    EXPECT_TRUE(boxes_.seen().empty());
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(boxes_.seen().size(), 1u);  // the box itself: tests/app_screen/reactions_test.cpp
    EXPECT_FALSE(window_->endStatus().has_value());
}

TEST_F(WindowTest, UscitaEndsTheProgramNormally) {
    Start();
    int ended = -1;
    window_->SetOnEnd([&](int status) { ended = status; });
    Click("CmdUscita");
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(window_->endStatus(), 0);
    EXPECT_FALSE(window_->isVisible());
    Click("CmdConferma");  // after the end nothing reaches the model
    EXPECT_TRUE(reports_.calls.empty());
}

}  // namespace
}  // namespace kv::gui
