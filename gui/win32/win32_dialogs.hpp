#pragma once
// The Dialogs port over the Windows message box: the box's title, text, icon and buttons as the
// program gives them, modal over the window (or alone before the window exists). The buttons say
// "Sì" and "No" whatever the language of Windows. A folder or file the system cannot open is named
// in a box of its own, with the system's reason.

#include <filesystem>
#include <string>

#include "gui/win32/win32_controls.hpp"
#include "platform/dialogs.hpp"

namespace kv::gui::win32 {

class Win32Dialogs : public platform::Dialogs {
public:
    platform::Answer Show(const platform::MessageBox& box) override;

    // The window the boxes are shown over; none before the window is made.
    void SetOwner(Handle owner) { owner_ = owner; }

private:
    void Open(const std::string& action, const std::filesystem::path& path);

    Handle owner_ = nullptr;
};

// The message box style for a box: its icon and buttons, Yes the default of a question.
unsigned MessageBoxStyle(const platform::MessageBox& box);

}  // namespace kv::gui::win32
