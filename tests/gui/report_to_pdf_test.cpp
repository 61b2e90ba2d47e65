// Whole reports through the window: the list of documents of the demo installation to PDF, with
// the wait panel's bar following the report, the files judged by qpdf and pdftotext; Annulla; and
// a printer that fails, with the error reporter's questions in the window's message boxes.

#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

#include "app/archive_reports.hpp"
#include "output/pdf_document.hpp"
#include "platform/errors.hpp"
#include "platform/qt/system_printer.hpp"
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

TEST_F(ReportWindowTest, ListOfDocumentsToPdfWithTheBarFullOnlyAtTheEnd) {
    StartWithFeeNotes();
    auto* companies = Control<QListWidget>("ListAzi");
    ClickItem(companies, 0);
    ClickItem(companies, 1);
    Click("OptionAnno", 1);
    Click("OptionStampa", 1);
    Click("OptionDoc", 0);
    WatchTheBar();
    Click("CmdConferma");

    std::vector<std::filesystem::path> files = PdfFiles(dir_.path());
    ASSERT_EQ(files.size(), 2u);
    for (const auto& file : files) EXPECT_QPDF_CLEAN(file);
    std::string text = test::PdfToText(files.front());
    EXPECT_NE(text.find("ROSSI COSTRUZIONI"), std::string::npos) << text;

    // The bar never goes back, moves inside a company as its payees are printed, and is full only
    // once both files are written.
    ASSERT_FALSE(steps_.empty());
    bool insideACompany = false;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        const BarStep& step = steps_[i];
        const bool backwards = i > 0 && step.value < steps_[i - 1].value;
        ASSERT_FALSE(backwards || (step.value == step.maximum) != (step.files == 2u))
            << "step " << i << ": " << step.value << " of " << step.maximum << " with " << step.files << " files";
        if (step.value % (step.maximum / 2) != 0) insideACompany = true;
    }
    EXPECT_TRUE(insideACompany);
    EXPECT_EQ(steps_.front().value, 0);
    EXPECT_EQ(steps_.back().value, steps_.back().maximum);

    // The closing message, and the screen back to its initial choices.
    ASSERT_FALSE(boxes_.seen().empty());
    EXPECT_EQ(boxes_.seen().back().title, "Creazione modulo PDF Elenco Documenti");
    EXPECT_FALSE(Control("Frame12")->isVisible());
    EXPECT_TRUE(SelectedRows("ListAzi").empty());
}

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

TEST_F(WindowTest, PrinterFailureAsksAndCanCloseTheProgram) {
    demo::WriteFeeNotePart(*writer_);
    Start([](app::Program& program) { return std::make_unique<app::ArchiveReports>(program); });
    int ended = -1;
    window_->SetOnEnd([&](int status) { ended = status; });
    // The real printer object, aimed at a printer the system does not have: every print fails
    // with error 482, which goes to the error reporter.
    auto printer = platform::qt::MakeSystemPrinter(program_->services, [] {
        return platform::qt::PrintTarget{"KVVELM_stampante_assente", ""};
    });
    program_->output.printer = printer.get();
    ClickItem(Control<QListWidget>("ListAzi"), 0);
    Click("OptionAnno", 1);
    Click("OptionDoc", 0);
    boxes_.Script(QMessageBox::No);   // do not try again
    boxes_.Script(QMessageBox::Yes);  // close the program
    Click("CmdConferma");

    ASSERT_EQ(boxes_.seen().size(), 2u);
    const SeenBox& retry = boxes_.seen()[0];
    EXPECT_EQ(retry.title, "Lumeo");
    EXPECT_EQ(retry.text, "ERR.STAMPANTE - SI VUOLE RITENTARE ?");
    EXPECT_EQ(retry.icon, QMessageBox::Critical);
    EXPECT_EQ(retry.buttons, QMessageBox::Yes | QMessageBox::No);
    const SeenBox& close = boxes_.seen()[1];
    EXPECT_EQ(close.title, "Lumeo");
    EXPECT_EQ(close.text,
              "CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)");
    EXPECT_EQ(close.icon, QMessageBox::Warning);
    EXPECT_EQ(close.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(ended, platform::exit_status::kFatal);
    EXPECT_EQ(window_->endStatus(), ended);
    EXPECT_FALSE(window_->isVisible());
}

}  // namespace
}  // namespace kv::gui
