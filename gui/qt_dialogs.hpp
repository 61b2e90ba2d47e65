#pragma once
// The Dialogs port over QMessageBox: the box's title, text, icon and buttons as the program gives
// them, shown modal over the window (or alone before the window exists).

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.hpp"

namespace kv::gui {

class QtDialogs : public platform::Dialogs {
public:
    platform::Answer Show(const platform::MessageBox& box) override;

    // The window the boxes are shown over; none before the window is made.
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

// The Qt icon of a message box icon.
QMessageBox::Icon QtIcon(platform::Icon icon);

}  // namespace kv::gui
