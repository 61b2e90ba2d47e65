// Clicks on the window reach the model's reactions, and the widgets show what they did.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/program_end.hpp"
#include "tests/gui/window_fixture.hpp"

namespace kv::gui {
namespace {

TEST_F(WindowTest, TickingAndUntickingAllMonths) {
    Start();
    Click("CheckTutti");  // unticked: the list is enabled and every month deselected
    EXPECT_FALSE(Control<QCheckBox>("CheckTutti")->isChecked());
    EXPECT_TRUE(Control("ListMesi")->isEnabled());
    EXPECT_TRUE(SelectedRows("ListMesi").empty());
    EXPECT_FALSE(program_->screen.allMonths);

    auto* months = Control<QListWidget>("ListMesi");
    ClickItem(months, 2);
    ClickItem(months, 10);
    EXPECT_EQ(SelectedRows("ListMesi"), (std::vector<int>{2, 10}));
    EXPECT_EQ(program_->screen.monthSelected,
              (std::vector<bool>{false, false, true, false, false, false, false, false, false,
                                 false, true, false}));
    ClickItem(months, 2);  // a second click deselects
    EXPECT_EQ(SelectedRows("ListMesi"), (std::vector<int>{10}));

    Click("CheckTutti");  // ticked again: all twelve, list disabled, no month current
    EXPECT_EQ(SelectedRows("ListMesi").size(), 12u);
    EXPECT_FALSE(months->isEnabled());
    EXPECT_EQ(program_->screen.currentMonth, -1);
    ClickItem(months, 4);  // a disabled list takes no clicks
    EXPECT_EQ(SelectedRows("ListMesi").size(), 12u);
}

TEST_F(WindowTest, YearLabelGoesUpAndDownWithTheYearOption) {
    Start();
    auto* year = Control<QLabel>("Label1", 1);
    Click("OptionAnno", 1);
    EXPECT_EQ(year->text(), "2025");
    Click("OptionAnno", 1);  // choosing the chosen option again changes nothing
    EXPECT_EQ(year->text(), "2025");
    Click("OptionAnno", 0);
    EXPECT_EQ(year->text(), "2024");
    EXPECT_TRUE(Control<QRadioButton>("OptionAnno", 0)->isChecked());
    Click("OptionAnno", 1);
    Click("OptionAnno", 0);
    Click("OptionAnno", 0);
    EXPECT_EQ(year->text(), "2024");
    EXPECT_EQ(program_->screen.yearLabel, "2024");
}

TEST_F(WindowTest, DateFieldOnlyForCertificates) {
    Start();
    auto* date = Control<QLineEdit>("txtdata");
    Click("OptionDoc", 3);
    EXPECT_TRUE(Control("FrameData")->isVisible());
    EXPECT_EQ(date->text(), "06/12/2026");  // today, from the test's clock
    EXPECT_EQ(QApplication::focusWidget(), date);

    date->selectAll();
    QTest::keyClicks(date, "31/01/2026");
    EXPECT_EQ(program_->screen.date, "31/01/2026");

    for (int report : {0, 1, 2}) {
        Click("OptionDoc", 3);
        EXPECT_TRUE(Control("FrameData")->isVisible()) << report;
        Click("OptionDoc", report);
        EXPECT_FALSE(Control("FrameData")->isVisible()) << report;
        EXPECT_TRUE(date->text().isEmpty()) << report;
        EXPECT_TRUE(program_->screen.date.empty()) << report;
    }
}

TEST_F(WindowTest, ReorderingTheCompanyList) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(7, "ALFA COSTRUZIONI SPA"),
                    Company(3, "GAMMA IMPIANTI")});
    Start();
    QStringList byCode = ListTexts("ListAzi");
    ASSERT_EQ(byCode.size(), 3);
    EXPECT_TRUE(byCode[0].startsWith("002 BETA"));
    EXPECT_TRUE(byCode[1].startsWith("003 GAMMA"));
    EXPECT_TRUE(byCode[2].startsWith("007 ALFA"));

    Click("CheckAzi");  // every company selected before the order changes
    EXPECT_EQ(SelectedRows("ListAzi").size(), 3u);
    EXPECT_EQ(Control<QCheckBox>("CheckAzi")->text(), "Deseleziona tutte le ditte");

    Click("OptOrdListAzi", 1);
    QStringList byName = ListTexts("ListAzi");
    ASSERT_EQ(byName.size(), 3);
    EXPECT_EQ(byName[0], QString("ALFA COSTRUZIONI SPA").leftJustified(50) + " 007");
    EXPECT_TRUE(byName[1].startsWith("BETA"));
    EXPECT_TRUE(byName[2].startsWith("GAMMA"));
    // The new order clears the selection and the tick; the first entry is current and focused.
    EXPECT_TRUE(SelectedRows("ListAzi").empty());
    EXPECT_FALSE(Control<QCheckBox>("CheckAzi")->isChecked());
    EXPECT_EQ(Control<QCheckBox>("CheckAzi")->text(), "Seleziona tutte le ditte");
    EXPECT_EQ(Control<QListWidget>("ListAzi")->currentRow(), 0);
    EXPECT_EQ(QApplication::focusWidget(), Control("ListAzi"));

    Click("OptOrdListAzi", 0);
    EXPECT_EQ(ListTexts("ListAzi"), byCode);
}

TEST_F(WindowTest, CtrlShiftPShowsTheInformationBox) {
    Start();
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ControlModifier);  // not without Shift
    QTest::keyClick(window_.get(), Qt::Key_P, Qt::ShiftModifier);
    EXPECT_TRUE(boxes_.seen().empty());
    PressCtrlShiftP();
    ASSERT_EQ(boxes_.seen().size(), 1u);
    const SeenBox& box = boxes_.seen()[0];
    EXPECT_EQ(box.title, "Informazioni Progetto lumeo");
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    QStringList lines = box.text.split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "Programma lumeo");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Nome EXE : KVVELM.EXE");
    EXPECT_FALSE(window_->endStatus().has_value());
}

TEST_F(WindowTest, UscitaAndClosingEndTheProgramNormally) {
    Start();
    int ended = -1;
    window_->SetOnEnd([&](int status) { ended = status; });
    Click("CmdUscita");
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(window_->endStatus(), 0);
    EXPECT_FALSE(window_->isVisible());
    Click("CmdConferma");  // after the end nothing reaches the model
    EXPECT_TRUE(reports_.calls.empty());

    window_.reset();
    app::CloseAllFiles(*program_);
    Start();
    ended = -1;
    window_->SetOnEnd([&](int status) { ended = status; });
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(boxes_.seen().empty());
}

}  // namespace
}  // namespace kv::gui
