// Conferma on the window: the wait panel and its progress bar while the report runs, closing refused
// meanwhile, and the screen reset afterwards, as the model holds it and as the screen shows it; a whole
// report on the demo installation, where Annulla pressed while the bar moves stops after the file
// under way, which qpdf judges whole.

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <filesystem>

#include "app/archive_reports.hpp"
#include "output/pdf_document.hpp"
#include "tests/gui/window_fixture.hpp"
#include "tools/demo/fee_note_writer.hpp"

namespace kv::gui {
namespace {

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

TEST_F(WindowTest, ConfirmRunsTheReportUnderTheWaitPanelThenResetsTheScreen) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(7, "ALFA COSTRUZIONI SPA"),
                    Company(3, "GAMMA IMPIANTI")});
    Start();
    auto* list = Control<QListWidget>("ListAzi");
    Click("OptOrdListAzi", 1);
    QStringList order = ListTexts("ListAzi");
    ClickItem(list, 0);
    ClickItem(list, 2);
    Click("OptionAnno", 1);
    Click("OptionStampa", 1);
    Click("OptionDoc", 3);
    ASSERT_TRUE(OnScreen(list->viewport()) == Drawn(list->viewport()));
    // The bar shows what the report tells through the request's callback; the window stays open when
    // closed meanwhile; the report may hide the panel before its message.
    std::vector<int> bar;
    bool closed = true, visibleAfterHide = true;
    reports_.during = [&](const app::ReportRequest& request) {
        auto* progress = Control<QProgressBar>("ProgressDitte");
        for (reports::ReportProgress told : {reports::ReportProgress{0, 2, 0, 0}, {0, 2, 1, 4}, {1, 2, 0, 0}}) {
            EXPECT_TRUE(request.progress(told));
            bar.push_back(progress->value() * 100 / progress->maximum());
        }
        closed = window_->close();
        request.hideWaitPanel();
        visibleAfterHide = Control("Frame12")->isVisible();
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
    EXPECT_FALSE(closed);
    EXPECT_FALSE(visibleAfterHide);
    EXPECT_FALSE(window_->endStatus().has_value());

    // Back to the initial choices; the list keeps its order and shows no company selected, then every
    // one once the model selects them all.
    EXPECT_FALSE(Control("Frame12")->isVisible());
    EXPECT_EQ(ListTexts("ListAzi"), order);
    EXPECT_TRUE(SelectedRows("ListAzi").empty());
    EXPECT_TRUE(OnScreen(list->viewport()) == Drawn(list->viewport()));
    Click("CheckAzi");
    EXPECT_EQ(SelectedRows("ListAzi").size(), static_cast<std::size_t>(list->count()));
    EXPECT_TRUE(OnScreen(list->viewport()) == Drawn(list->viewport()));
    EXPECT_TRUE(boxes_.seen().empty());

    // Afterwards the window closes as usual, ending the program normally.
    int ended = -1;
    window_->SetOnEnd([&](int status) { ended = status; });
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(window_->endStatus(), 0);
}

TEST_F(WindowTest, AnnullaStopsAfterTheFileUnderWay) {
    demo::WriteFeeNotePart(*writer_);
    Start([](app::Program& program) { return std::make_unique<app::ArchiveReports>(program); });
    Click("CheckAzi");
    Click("OptionAnno", 1);
    Click("OptionStampa", 1);
    Click("OptionDoc", 3);
    const int chosen = static_cast<int>(SelectedRows("ListAzi").size());
    ASSERT_GT(chosen, 2);
    // Pressed once the bar has moved, while the first company's payees are being printed.
    auto* bar = Control<QProgressBar>("ProgressDitte");
    auto* annulla = Control<QPushButton>("CmdAnnulla");
    bool pressed = false;
    int lastValue = 0, lastMaximum = 0;
    auto show = program_->showProgress;
    program_->showProgress = [&] {
        show();
        if (!Control("Frame12")->isVisible()) return;
        lastValue = bar->value();
        lastMaximum = bar->maximum();
        if (pressed || lastValue == 0) return;
        EXPECT_TRUE(annulla->isEnabled());
        Click("CmdAnnulla");
        pressed = true;
        EXPECT_FALSE(annulla->isEnabled());
        EXPECT_FALSE(Control("CmdConferma")->isEnabled());
    };
    Click("CmdConferma");

    ASSERT_TRUE(pressed);
    // The first company's file, whole; nothing of the others, and no file left half-written.
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path())) {
        if (entry.path().extension() == ".pdf") files.push_back(entry.path());
        EXPECT_NE(entry.path().extension(), output::kPartialSuffix) << entry.path();
    }
    ASSERT_EQ(files.size(), 1u);
    EXPECT_QPDF_CLEAN(files.front());
    EXPECT_LT(lastValue, lastMaximum);
    ASSERT_FALSE(boxes_.seen().empty());
    EXPECT_NE(boxes_.seen().back().text.indexOf("Elaborazione annullata: ditte completate 1 su " +
                                                QString::number(chosen)),
              -1)
        << boxes_.seen().back().text.toStdString();
    EXPECT_EQ(boxes_.seen().back().icon, QMessageBox::Warning);  // a cancelled run is not complete
    EXPECT_TRUE(Control("CmdConferma")->isEnabled());
}

}  // namespace
}  // namespace kv::gui
