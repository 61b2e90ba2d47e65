#include "gui/qt_dialogs.hpp"

#include <QAbstractButton>

#include "gui/qt_text.hpp"

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

platform::Answer QtDialogs::Show(const platform::MessageBox& box) {
    QMessageBox message(QtIcon(box.icon), ToQt(box.title), MessageText(box.text),
                        QMessageBox::NoButton, parent_);
    message.setObjectName("MessageBox");
    message.setTextFormat(Qt::PlainText);
    if (box.buttons == platform::Buttons::YesNo) {
        // Yes is the default button, as on the systems the program comes from; Escape answers No.
        message.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        message.button(QMessageBox::Yes)->setText(ToQt("S\xEC"));
        message.button(QMessageBox::No)->setText(ToQt("No"));
        message.setDefaultButton(QMessageBox::Yes);
        message.setEscapeButton(QMessageBox::No);
    } else {
        message.setStandardButtons(QMessageBox::Ok);
    }
    int pressed = message.exec();
    if (box.buttons == platform::Buttons::Ok) return platform::Answer::Ok;
    return pressed == QMessageBox::Yes ? platform::Answer::Yes : platform::Answer::No;
}

}  // namespace kv::gui
