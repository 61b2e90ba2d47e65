#include "gui/qt_dialogs.hpp"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFile>
#include <QPushButton>
#include <QUrl>
#include <system_error>

#include "gui/open_failure.hpp"
#include "gui/qt_text.hpp"
#include "platform/text_encoding.hpp"

namespace kv::gui {

QMessageBox::Icon QtIcon(platform::Icon icon) {
    switch (icon) {
        case platform::Icon::Stop: return QMessageBox::Critical;
        case platform::Icon::Question: return QMessageBox::Question;
        case platform::Icon::Exclamation: return QMessageBox::Warning;
        case platform::Icon::Information: return QMessageBox::Information;
        case platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

namespace {

// "Riprova" (the default), "Crea PDF", "Annulla" (also Escape).
platform::Answer AskRetryPdfCancel(QMessageBox& message) {
    QPushButton* retry = message.addButton(QStringLiteral("Riprova"), QMessageBox::AcceptRole);
    QPushButton* pdf = message.addButton(QStringLiteral("Crea PDF"), QMessageBox::ActionRole);
    QPushButton* cancel = message.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    message.setDefaultButton(retry);
    message.setEscapeButton(cancel);
    message.exec();
    if (message.clickedButton() == retry) return platform::Answer::Retry;
    if (message.clickedButton() == pdf) return platform::Answer::Pdf;
    return platform::Answer::Cancel;
}

}  // namespace

void QtDialogs::SetButtons(QMessageBox& message, const platform::MessageBox& box) {
    if (box.buttons == platform::Buttons::YesNo) {
        // Yes is the default button, as on the systems the program comes from; Escape answers No.
        message.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        message.button(QMessageBox::Yes)->setText(ToQt("S\xEC"));
        message.button(QMessageBox::No)->setText(ToQt("No"));
        message.setDefaultButton(QMessageBox::Yes);
        message.setEscapeButton(QMessageBox::No);
        return;
    }
    message.setStandardButtons(QMessageBox::Ok);
    message.setDefaultButton(QMessageBox::Ok);
    message.setEscapeButton(QMessageBox::Ok);
}

platform::Answer QtDialogs::Show(const platform::MessageBox& box) {
    QMessageBox message(QtIcon(box.icon), ToQt(box.title), MessageText(box.text),
                        QMessageBox::NoButton, parent_);
    message.setObjectName("MessageBox");
    message.setTextFormat(Qt::PlainText);
    // What exactly went wrong (file or variable and reason), behind the "Dettagli" button.
    if (!box.details.empty()) message.setDetailedText(MessageText(box.details));
    if (box.buttons == platform::Buttons::RetryPdfCancel) return AskRetryPdfCancel(message);
    SetButtons(message, box);
    QAbstractButton* openFolder = nullptr;
    QAbstractButton* openFile = nullptr;
    if (box.buttons == platform::Buttons::Ok && !box.openFolder.empty()) {
        openFolder = message.addButton("Apri cartella", QMessageBox::ActionRole);
    }
    if (box.buttons == platform::Buttons::Ok && !box.openFile.empty()) {
        openFile = message.addButton("Apri PDF", QMessageBox::ActionRole);
    }
    int pressed = message.exec();
    QAbstractButton* clicked = message.clickedButton();
    if (clicked != nullptr && clicked == openFolder) Open("Apri cartella", box.openFolder);
    if (clicked != nullptr && clicked == openFile) Open("Apri PDF", box.openFile);
    if (box.buttons == platform::Buttons::Ok) return platform::Answer::Ok;
    return pressed == QMessageBox::Yes ? platform::Answer::Yes : platform::Answer::No;
}

void QtDialogs::Open(const std::string& action, const std::filesystem::path& path) {
    if (opener_) {
        opener_(path);
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path.string())))))
        return;
    // Qt gives no reason: a missing path is the system's, anything else is the desktop's.
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) 
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    Show(OpenFailureBox(action, path,
                        error ? platform::Utf8ToCp1252(error.message())
                              : std::string("nessun programma del sistema apre questo file")));
}

}  // namespace kv::gui
