#pragma once
// The selection screen as a Qt window. It shows the screen model and nothing else: each user action
// on a widget becomes the model's user action, and the widgets then show the model again. The
// program ends (Uscita, closing the window, an error) by ProgramEnd, which the window catches and
// passes on as an exit status.

#include <QWidget>
#include <functional>
#include <optional>

#include "app/program.hpp"
#include "app/report_request.hpp"
#include "gui/screen_view.hpp"
#include "gui/screen_widgets.hpp"

namespace kv::gui {

class SelectionWindow : public QWidget {
public:
    // The program has run its start-up; the reports outlive the window.
    SelectionWindow(app::Program& program, app::ReportDrivers& reports);
    ~SelectionWindow() override;
    SelectionWindow(const SelectionWindow&) = delete;
    SelectionWindow& operator=(const SelectionWindow&) = delete;

    // Called once when the program ends, with its exit status.
    void SetOnEnd(std::function<void(int status)> onEnd) { onEnd_ = std::move(onEnd); }
    std::optional<int> endStatus() const { return endStatus_; }

    // Shows the model on the widgets again.
    void ShowModel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Wire();
    void WireLists();
    void WireOptions();
    void WireCommands();
    void PlaceOnScreen();

    // Runs a model action, then shows the model; catches the end of the program.
    template <class Action>
    void Act(Action&& action);
    void ApplyFocus();
    void End(int status);

    // While a report runs: the wait panel as the model holds it, then the events waiting.
    void ShowProgress();

    app::Program& program_;
    app::ReportDrivers& reports_;
    ScreenWidgets widgets_;
    ScreenView view_;
    std::function<void(int)> onEnd_;
    std::optional<int> endStatus_;
    bool acting_ = false;  // a model action (a report, a message box) is under way
};

}  // namespace kv::gui
