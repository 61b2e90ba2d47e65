// A whole report through the window on the demo installation: Annulla pressed while the wait panel's
// bar moves stops after the file under way, which qpdf judges whole.

#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

#include "app/archive_reports.hpp"
#include "output/pdf_document.hpp"
#include "tests/gui/window_fixture.hpp"
#include "tools/demo/fee_note_writer.hpp"

namespace kv::gui {
namespace {

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
