// A whole report through the window: the list of documents of the demo installation to PDF, with
// the wait panel's progress bar following the companies, the files judged by qpdf and pdftotext;
// and to a printer that fails, with the error reporter's questions in the window's message boxes.

#include <QProgressBar>
#include <filesystem>

#include "app/archive_reports.hpp"
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

TEST_F(WindowTest, ListOfDocumentsToPdfThroughTheWindow) {
    demo::WriteFeeNotePart(*writer_);
    Start([](app::Program& program) { return std::make_unique<app::ArchiveReports>(program); });
    auto* companies = Control<QListWidget>("ListAzi");
    ClickItem(companies, 0);
    ClickItem(companies, 1);
    Click("OptionAnno", 1);
    Click("OptionStampa", 1);
    Click("OptionDoc", 0);

    // The bar, read at each document the output layer begins.
    auto* progress = Control<QProgressBar>("ProgressDitte");
    std::vector<int> seen;
    auto makeWriter = program_->output.makeWriter;
    program_->output.makeWriter = [&] {
        seen.push_back(progress->value());
        return makeWriter();
    };
    Click("CmdConferma");

    std::vector<std::filesystem::path> files = PdfFiles(dir_.path());
    ASSERT_FALSE(files.empty());
    for (const auto& file : files) EXPECT_QPDF_CLEAN(file);
    std::string text = test::PdfToText(files.front());
    EXPECT_NE(text.find("ROSSI COSTRUZIONI"), std::string::npos) << text;
    EXPECT_EQ(progress->maximum(), 2);
    // Each company's document begins with the companies before it counted.
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(progress->value(), 2);
    EXPECT_EQ(files.size(), 2u);
    // The closing message, and the screen back to its initial choices.
    ASSERT_FALSE(boxes_.seen().empty());
    EXPECT_EQ(boxes_.seen().back().title, "Creazione modulo PDF Elenco Documenti");
    EXPECT_FALSE(Control("Frame12")->isVisible());
    EXPECT_TRUE(SelectedRows("ListAzi").empty());
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
