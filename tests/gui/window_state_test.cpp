// The window after start-up: its size and place, the controls with their captions and initial
// states, and the company list in a fixed-pitch font.

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

TEST_F(WindowTest, EveryControlHasItsNameAndCaption) {
    Start();
    auto label = [&](const char* name, int index = -1) {
        auto* widget = Control<QLabel>(name, index);
        return widget ? widget->text() : QString();
    };
    auto group = [&](const char* name) {
        auto* widget = Control<QGroupBox>(name);
        return widget ? widget->title() : QString();
    };
    auto button = [&](const char* name, int index = -1) {
        auto* widget = Control<QAbstractButton>(name, index);
        return widget ? widget->text() : QString();
    };
    EXPECT_EQ(label("Label1", 0), "CERTIFICAZIONI PARCELLE");
    EXPECT_EQ(label("LabelAnno"), "Anno");
    EXPECT_EQ(label("Label5"), "Mesi Selezionati");
    EXPECT_EQ(label("Label4"), "Anno Selezionato");
    EXPECT_EQ(label("Label3"), "Data");
    EXPECT_EQ(label("Label2", 14), "ATTENDERE");
    EXPECT_EQ(label("Label2", 15), "ELABORAZIONE IN CORSO");
    EXPECT_EQ(group("Frame6"), "Selezioni Opzioni Stampa");
    EXPECT_EQ(group("FrameDitte"), "Elenco Ditte");
    EXPECT_EQ(group("Frame3"), "Selezione Ditte");
    EXPECT_EQ(group("FrameOrdAz"), "Ordinamento Ditte");
    EXPECT_NE(Control("FrameMesi"), nullptr);
    EXPECT_NE(Control("FrameData"), nullptr);
    EXPECT_EQ(button("CheckTutti"), "Tutti i Mesi");
    EXPECT_EQ(button("CheckAzi"), "Seleziona tutte le Ditte");
    EXPECT_EQ(button("OptionAnno", 1), "Corrente");
    EXPECT_EQ(button("OptionAnno", 0), "Precedente");
    EXPECT_EQ(button("OptionDoc", 0), "Elenco Documenti");
    EXPECT_EQ(button("OptionDoc", 1), "Registro Compensi a Terzi");
    EXPECT_EQ(button("OptionDoc", 2), "Elenco Percipienti");
    EXPECT_EQ(button("OptionDoc", 3), "Certificazioni");
    EXPECT_EQ(button("OptionStampa", 1), "Crea PDF");
    EXPECT_EQ(button("OptionStampa", 0), "Stampa Laser");
    EXPECT_EQ(button("OptOrdListAzi", 0), "Codice");
    EXPECT_EQ(button("OptOrdListAzi", 1), "Ragione Sociale");
    EXPECT_EQ(button("CmdConferma"), "Conferma");
    EXPECT_EQ(button("CmdUscita"), "Uscita");
    EXPECT_EQ(ListTexts("ListMesi"),
              QStringList({"Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio",
                           "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre"}));
}

TEST_F(WindowTest, StartsWithTheInitialChoices) {
    Start();
    // The demo's period record is December 2025: the documents' year is 2024.
    EXPECT_EQ(Control<QLabel>("Label1", 1)->text(), "2024");
    EXPECT_TRUE(Control<QCheckBox>("CheckTutti")->isChecked());
    EXPECT_FALSE(Control("ListMesi")->isEnabled());
    EXPECT_EQ(SelectedRows("ListMesi").size(), 12u);
    EXPECT_TRUE(Control<QRadioButton>("OptionAnno", 0)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("OptionAnno", 1)->isChecked());
    for (int report = 0; report < 4; ++report) {
        EXPECT_FALSE(Control<QRadioButton>("OptionDoc", report)->isChecked()) << report;
    }
    EXPECT_TRUE(Control<QRadioButton>("OptionStampa", 0)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>("OptOrdListAzi", 0)->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("CheckAzi")->isChecked());
    EXPECT_FALSE(Control("FrameData")->isVisible());
    EXPECT_TRUE(Control<QLineEdit>("txtdata")->text().isEmpty());
    EXPECT_FALSE(Control("Frame12")->isVisible());
    EXPECT_TRUE(Control<QGroupBox>("Frame12")->title().isEmpty());

    auto* companies = Control<QListWidget>("ListAzi");
    ASSERT_GT(companies->count(), 0);
    EXPECT_TRUE(SelectedRows("ListAzi").empty());
    EXPECT_EQ(companies->currentRow(), 0);
}

TEST_F(WindowTest, CompanyListShowsTheVisiblePartInAFixedPitchFont) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(7, "ALFA COSTRUZIONI SPA")});
    Start();
    auto* companies = Control<QListWidget>("ListAzi");
    QFontMetrics metrics(companies->font());
    EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'))
        << QFontInfo(companies->font()).family().toStdString();
    // Code, a blank and the name padded to 50 characters; the code kept after it stays hidden.
    QStringList texts = ListTexts("ListAzi");
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], "002 " + QString("BETA SERVIZI SRL").leftJustified(50));
    EXPECT_EQ(texts[1], "007 " + QString("ALFA COSTRUZIONI SPA").leftJustified(50));
}

TEST_F(WindowTest, AccentedNamesReachTheListAsTheirOwnLetters) {
    WriteCompanies({Company(1, "CAFF\xC8 DELL'ARTIGIANO S.R.L."), Company(4, "PERCH\xC9 NO SNC")});
    Start();
    QStringList texts = ListTexts("ListAzi");
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(QString::fromUtf8("001 CAFFÈ DELL'ARTIGIANO S.R.L.")));
    EXPECT_TRUE(texts[1].startsWith(QString::fromUtf8("004 PERCHÉ NO SNC")));
    EXPECT_EQ(texts[0].size(), 54);
}

}  // namespace
}  // namespace kv::gui
