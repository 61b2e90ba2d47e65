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

std::vector<std::filesystem::path> PdfFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().extension() == ".pdf") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The bar as the window shows it each time the report tells its progress, with the PDF files
// written by then.
struct BarStep {
    int value;
    int maximum;
    std::size_t files;
};

class ReportWindowTest : public WindowTest {
protected:
    void StartWithFeeNotes() {
        demo::WriteFeeNotePart(*writer_);
        Start([](app::Program& program) { return std::make_unique<app::ArchiveReports>(program); });
    }

    // Records the bar at each step; `atStep` may act in the middle of the run.
    void WatchTheBar(std::function<void(const BarStep&)> atStep = {}) {
        auto* bar = Control<QProgressBar>("ProgressDitte");
        auto show = program_->showProgress;
        program_->showProgress = [=, this] {
            show();
            if (!Control("Frame12")->isVisible()) return;
            steps_.push_back(BarStep{bar->value(), bar->maximum(), PdfFiles(dir_.path()).size()});
            if (atStep) atStep(steps_.back());
        };
    }

    std::vector<BarStep> steps_;
};

TEST_F(ReportWindowTest, AnnullaStopsAfterTheFileUnderWay) {
    StartWithFeeNotes();
    Click("CheckAzi");
    Click("OptionAnno", 1);
    Click("OptionStampa", 1);
    Click("OptionDoc", 3);
    const int chosen = static_cast<int>(SelectedRows("ListAzi").size());
    ASSERT_GT(chosen, 2);
    // Pressed while the first company's payees are being printed.
    bool pressed = false;
    WatchTheBar([&](const BarStep& step) {
        if (pressed || step.value == 0) return;
        auto* annulla = Control<QPushButton>("CmdAnnulla");
        EXPECT_TRUE(annulla->isEnabled());
        Click("CmdAnnulla");
        pressed = true;
        EXPECT_FALSE(annulla->isEnabled());
        EXPECT_FALSE(Control("CmdConferma")->isEnabled());
    });
    Click("CmdConferma");

    ASSERT_TRUE(pressed);
    // The first company's file, whole; nothing of the others, and no file left half-written.
    std::vector<std::filesystem::path> files = PdfFiles(dir_.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_QPDF_CLEAN(files.front());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path() / "demo")) {
        EXPECT_NE(entry.path().extension(), output::kPartialSuffix) << entry.path();
    }
    EXPECT_LT(steps_.back().value, steps_.back().maximum);
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
