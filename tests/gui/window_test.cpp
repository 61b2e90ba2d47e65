// The window after start-up: its size and place, the company list in a fixed-pitch font; its keys and
// Uscita reach the model's reactions.

#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>
#include <QTest>

#include "tests/gui/window_fixture.hpp"

namespace kv::gui {
namespace {

TEST_F(WindowTest, OpensCentredAtItsDesignSizeWithTheCaption) {
    Start();
    EXPECT_EQ(window_->objectName(), "FrmQTVELMNEW");
    EXPECT_EQ(window_->windowTitle(), "Nuova Gestione Certificazione Parcelle");
    // 11820 x 8445 twips at 15 twips to the pixel.
    EXPECT_EQ(window_->size(), QSize(788, 563));
    QRect display = window_->screen()->geometry();
    EXPECT_EQ(window_->x(), display.left() + ((display.width() * 15 - 11820) / 2) / 15);
    EXPECT_EQ(window_->y(), display.top() + ((display.height() * 15 - 8445) / 2) / 15);
    // The wait panel's own place: left 60, top 5760, 7065 by 885 twips.
    EXPECT_EQ(Control("Frame12")->geometry(), QRect(4, 384, 471, 59));
}

TEST_F(WindowTest, CompanyListShowsTheVisiblePartInAFixedPitchFont) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(4, "PERCH\xC9 NO SNC")});
    Start();
    auto* companies = Control<QListWidget>("ListAzi");
    QFontMetrics metrics(companies->font());
    EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'))
        << QFontInfo(companies->font()).family().toStdString();
    // Code, a blank and the name padded to 50 characters; the code kept after it stays hidden.
    QStringList texts = ListTexts("ListAzi");
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], "002 " + QString("BETA SERVIZI SRL").leftJustified(50));
    // A Windows-1252 accented letter reaches the list as its own letter.
    EXPECT_EQ(texts[1], "004 " + QString::fromUtf8("PERCHÉ NO SNC").leftJustified(50));
}

TEST_F(WindowTest, CtrlShiftPShowsTheInformationBox) {
    Start();
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);  // not without Shift
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ShiftModifier);
    EXPECT_TRUE(boxes_.seen().empty());
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(boxes_.seen().size(), 1u);  // the box itself: tests/app_screen/controls_test.cpp
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
