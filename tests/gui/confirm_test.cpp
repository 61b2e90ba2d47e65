// Conferma on the window: the wait panel and its progress bar while the report
// runs, and the screen reset afterwards.

#include <QApplication>
#include <QProgressBar>
#include <QScreen>

#include "tests/gui/window_fixture.hpp"

namespace kv::gui {
namespace {

TEST_F(WindowTest, ConfirmShowsTheWaitPanelRunsTheReportAndResetsTheScreen) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(7, "ALFA COSTRUZIONI SPA"),
                    Company(3, "GAMMA IMPIANTI")});
    Start();
    Click("OptOrdListAzi", 1);
    QStringList order = ListTexts("ListAzi");
    ClickItem(Control<QListWidget>("ListAzi"), 0);
    ClickItem(Control<QListWidget>("ListAzi"), 2);
    Click("OptionAnno", 1);
    Click("OptionStampa", 1);
    Click("OptionDoc", 3);
    // The bar shows what the report tells through the request's callback.
    std::vector<int> bar;
    reports_.during = [&](const app::ReportRequest& request) {
        auto* progress = Control<QProgressBar>("ProgressDitte");
        for (reports::ReportProgress told : {reports::ReportProgress{0, 2, 0, 0}, {0, 2, 1, 4}, {1, 2, 0, 0}}) {
            EXPECT_TRUE(request.progress(told));
            bar.push_back(progress->value() * 100 / progress->maximum());
        }
    };
    Click("CmdConferma");

    // The clicks reached the model (whose request is tested with the screen): rows 0 and 2 of the list
    // ordered by name, the certificates to PDF.
    ASSERT_EQ(reports_.calls.size(), 1u);
    const test::RecordingReports::Call& call = reports_.calls[0];
    EXPECT_EQ(call.driver, "certificazioni");
    EXPECT_TRUE(call.waitPanelShown);
    EXPECT_TRUE(call.MODOPDF);
    EXPECT_EQ(bar, (std::vector<int>{0, 12, 50}));
    ASSERT_EQ(call.request.companies.size(), 2u);
    EXPECT_EQ(call.request.companies[1].code, "003");  // GAMMA

    // Back to the initial choices; the list keeps its order.
    EXPECT_FALSE(Control("Frame12")->isVisible());
    EXPECT_EQ(ListTexts("ListAzi"), order);
    EXPECT_TRUE(SelectedRows("ListAzi").empty());
    EXPECT_TRUE(boxes_.seen().empty());
}

// What the screen shows of a widget now, and what the widget draws when asked to now.
QImage OnScreen(QWidget* widget) {
    QApplication::processEvents();  // the paints pending
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0));
    return widget->screen()
        ->grabWindow(widget->window()->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
QImage Drawn(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST_F(WindowTest, CompanyListShowsItsSelectionAfterARun) {
    Start();
    auto* list = Control<QListWidget>("ListAzi");
    ClickItem(list, 0);
    ClickItem(list, 1);
    Click("OptionDoc", 0);
    ASSERT_TRUE(OnScreen(list->viewport()) == Drawn(list->viewport()));
    Click("CmdConferma");
    ASSERT_EQ(reports_.calls.size(), 1u);
    // The reset cleared the selection: the list on screen shows no company selected.
    EXPECT_TRUE(SelectedRows("ListAzi").empty());
    EXPECT_TRUE(OnScreen(list->viewport()) == Drawn(list->viewport()));
    // And every company, once the model selects them all.
    Click("CheckAzi");
    EXPECT_EQ(SelectedRows("ListAzi").size(), static_cast<std::size_t>(list->count()));
    EXPECT_TRUE(OnScreen(list->viewport()) == Drawn(list->viewport()));
}

TEST_F(WindowTest, ReportThatHidesThePanelBeforeItsMessage) {
    Start();
    ClickItem(Control<QListWidget>("ListAzi"), 0);
    Click("OptionDoc", 0);
    bool visibleAfterHide = true;
    reports_.during = [&](const app::ReportRequest& request) {
        request.hideWaitPanel();
        visibleAfterHide = Control("Frame12")->isVisible();
    };
    Click("CmdConferma");
    EXPECT_FALSE(visibleAfterHide);
}

TEST_F(WindowTest, ClosingWhileAReportRunsWaitsForIt) {
    Start();
    ClickItem(Control<QListWidget>("ListAzi"), 0);
    Click("OptionDoc", 0);
    bool closed = true;
    reports_.during = [&](const app::ReportRequest&) { closed = window_->close(); };
    Click("CmdConferma");
    EXPECT_FALSE(closed);
    EXPECT_FALSE(window_->endStatus().has_value());
    EXPECT_TRUE(window_->isVisible());
    ASSERT_EQ(reports_.calls.size(), 1u);
    // Afterwards the window closes as usual.
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(window_->endStatus(), 0);
}

}  // namespace
}  // namespace kv::gui
