// The window after start-up: its size and place, and the company list in a fixed-pitch font.

#include <QFontInfo>
#include <QFontMetrics>
#include <QScreen>

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

}  // namespace
}  // namespace kv::gui
