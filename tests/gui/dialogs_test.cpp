// The message boxes over QMessageBox, kvvelm without a display, and a second start of kvvelm while its
// window is open.

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "gui/gui_main.hpp"
#include "platform/errors.hpp"
#include "tests/gui/window_fixture.hpp"

namespace kv::gui {
namespace {

TEST(QtDialogsTest, BoxesKeepTitleIconButtonsAndLines) {
    QtDialogs dialogs;
    BoxWatcher boxes;
    platform::MessageBox question = platform::OkBox("Lumeo", "ERR.STAMPANTE - SI VUOLE RITENTARE ?", platform::Icon::Stop);
    question.buttons = platform::Buttons::YesNo;
    boxes.Script("No");
    EXPECT_EQ(dialogs.Show(question), platform::Answer::No);
    boxes.Script(QString::fromUtf8("S\xC3\xAC"));
    EXPECT_EQ(dialogs.Show(question), platform::Answer::Yes);
    EXPECT_EQ(dialogs.Show(question), platform::Answer::No);

    EXPECT_EQ(dialogs.Show(platform::OkBox("Lumeo KVVELM", "Errore 53 File not found\r\nCARICAINST\r\n\r\nLEGGIREC (1-1)\r\n",
                                           platform::Icon::Exclamation)),
              platform::Answer::Ok);

    const SeenBox asked{"Lumeo", "ERR.STAMPANTE - SI VUOLE RITENTARE ?", QMessageBox::Critical,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, {QString::fromUtf8("S\xC3\xAC"), "No"}};
    const SeenBox reported{"Lumeo KVVELM", "Errore 53 File not found\nCARICAINST\n\nLEGGIREC (1-1)",
                           QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, {"OK"}};
    EXPECT_EQ(boxes.seen(), (std::vector<SeenBox>{asked, asked, asked, reported}));
}

TEST(QtDialogsTest, ClosingBoxOffersToOpenWhatTheRunWrote) {
    QtDialogs dialogs;
    std::vector<std::filesystem::path> opened;
    dialogs.SetOpener([&](const std::filesystem::path& path) { opened.push_back(path); });
    BoxWatcher boxes;
    platform::MessageBox closing = platform::OkBox("Creazione modulo PDF Elenco Documenti",
        "I file PDF creati sono contenuti nella relativa cartella situata in :", platform::Icon::None);
    closing.openFolder = "/archivi/FILE-PDF/001";
    closing.openFile = "/archivi/FILE-PDF/001/PARD_AP_001.pdf";
    boxes.Script("Apri PDF");
    EXPECT_EQ(dialogs.Show(closing), platform::Answer::Ok);
    boxes.Script("Apri cartella");
    EXPECT_EQ(dialogs.Show(closing), platform::Answer::Ok);
    EXPECT_EQ(dialogs.Show(closing), platform::Answer::Ok);  // OK opens nothing
    EXPECT_EQ(opened, (std::vector<std::filesystem::path>{closing.openFile, closing.openFolder}));
    // Without a folder or file, a plain OK box.
    closing.openFolder.clear();
    closing.openFile.clear();
    dialogs.Show(closing);
    SeenBox offering{QString::fromStdString(closing.title), QString::fromStdString(closing.text), QMessageBox::NoIcon,
                     QMessageBox::Ok, QMessageBox::Ok, {"OK", "Apri cartella", "Apri PDF"}};
    SeenBox plain = offering;
    plain.buttonTexts = QStringList{"OK"};
    EXPECT_EQ(boxes.seen(), (std::vector<SeenBox>{offering, offering, offering, plain}));
}

// A second start (the same function main calls) shows its box, ends with status 3 and brings the
// window already open to the front.
TEST_F(WindowTest, ASecondStartBringsTheOpenWindowToTheFront) {
    writer_.reset();
    int second = -1;
    bool restored = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() != "FrmQTVELMNEW" || !top->isVisible()) continue;
            top->showMinimized();
            second = RunWindow(environment_, printers_, clock_);
            restored = QTest::qWaitFor([top] { return !top->isMinimized(); }, 5000);
            top->findChild<QPushButton*>("CmdUscita")->click();
        }
    });
    EXPECT_EQ(RunWindow(environment_, printers_, clock_), platform::exit_status::kNormal);
    EXPECT_EQ(second, platform::exit_status::kOtherInstance);
    EXPECT_TRUE(restored);
    ASSERT_EQ(boxes_.seen().size(), 1u);
    EXPECT_EQ(boxes_.seen()[0].text, QString::fromUtf8("Un altro KVVELM \xC3\xA8 gi\xC3\xA0 aperto su questo computer."));
}

}  // namespace
}  // namespace kv::gui

namespace kv::gui {
namespace {

TEST(KvvelmProgramTest, WithoutADisplaySaysSoInsteadOfAborting) {
    test::CommandResult result = test::Run(
        "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " KV_BINARY_DIR "/gui/kvvelm");
    EXPECT_EQ(result.status, platform::exit_status::kFatal) << result.output;
    EXPECT_NE(result.output.find("nessuno schermo"), std::string::npos) << result.output;
}

}  // namespace
}  // namespace kv::gui
