#pragma once
// The selection screen as a native Windows window. It shows the screen model and nothing else: each
// notification of a control becomes the model's user action, and the controls then show the model
// again. While a report runs, the report's progress callback shows the wait panel and handles the
// messages waiting (which is how Annulla is seen). The program ends (Uscita, closing the window, an
// error) by ProgramEnd, which becomes the window's exit status.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/program.hpp"
#include "app/report_request.hpp"
#include "gui/win32/win32_controls.hpp"
#include "gui/win32/win32_view.hpp"

struct HACCEL__;

namespace kv::gui::win32 {

// The window class's name: tests find the window by it and by its title.
inline constexpr wchar_t kWindowClass[] = L"KvvelmSelectionWindow";

// Restores the window of a KVVELM already running and brings it to the front, where the system
// allows it; false when no such window is open.
bool RaiseRunningWindow();

class SelectionWindow {
public:
    // The program has run its start-up; the reports outlive the window.
    SelectionWindow(app::Program& program, app::ReportDrivers& reports);
    ~SelectionWindow();
    SelectionWindow(const SelectionWindow&) = delete;
    SelectionWindow& operator=(const SelectionWindow&) = delete;

    Handle handle() const { return handle_; }

    // Shows the window and handles its messages until the program ends; returns the exit status.
    int Run();

    // The window procedure's work, for one message of the window.
    std::intptr_t Message(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

private:
    void Command(int id, int code);
    void Clicked(const NamedControl& control);
    void ListChanged(const NamedControl& control);
    void PlaceOnScreen();

    // Runs a model action, then shows the model; the end of the program ends the window.
    void Act(const std::function<void()>& action);
    void ApplyFocus();
    void End(int status);
    // While a report runs: the wait panel as the model holds it, then the messages waiting.
    void ShowProgress();
    // Handles the messages waiting, without waiting for more.
    void HandleWaiting();

    app::Program& program_;
    app::ReportDrivers& reports_;
    int dpi_;
    Handle handle_ = nullptr;
    HACCEL__* keys_ = nullptr;
    std::unique_ptr<ControlFonts> fonts_;
    Controls controls_;
    std::unique_ptr<ScreenView> view_;
    std::optional<int> endStatus_;
    bool acting_ = false;  // a model action (a report, a message box) is under way
};

}  // namespace kv::gui::win32
