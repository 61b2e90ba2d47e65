#pragma once
// The Dialogs port over QMessageBox: the box's title, text, icon and buttons as the program gives
// them, shown modal over the window (or alone before the window exists).

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/dialogs.hpp"

namespace kv::gui {

class QtDialogs : public platform::Dialogs {
public:
    platform::Answer Show(const platform::MessageBox& box) override;

    // The window the boxes are shown over; none before the window is made.
    void SetParent(QWidget* parent) { parent_ = parent; }

    // What opens a folder or file the user asks for from a box; the system's viewer unless set.
    using Opener = std::function<void(const std::filesystem::path&)>;
    void SetOpener(Opener opener) { opener_ = std::move(opener); }

private:
    void SetButtons(QMessageBox& message, const platform::MessageBox& box);
    // Opens what the button `action` offers; a box names the path when the system cannot.
    void Open(const std::string& action, const std::filesystem::path& path);

    QPointer<QWidget> parent_;
    Opener opener_;
};

// The Qt icon of a message box icon.
QMessageBox::Icon QtIcon(platform::Icon icon);

}  // namespace kv::gui
