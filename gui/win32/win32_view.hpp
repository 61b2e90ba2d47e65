#pragma once
// Shows the screen model on the native controls: values, enabled and visible states, the company
// list, the selections and the wait panel with its bar. What the controls notify while the view
// writes is not the user's doing; writing() says when that is.

#include <string>
#include <vector>

#include "app/screen_state.hpp"
#include "gui/win32/win32_controls.hpp"

namespace kv::gui::win32 {

class ScreenView {
public:
    explicit ScreenView(const Controls& controls) : controls_(controls) {}

    void Show(const app::ScreenState& screen);
    // Only the wait panel, as a running report changes it.
    void ShowWaitPanel(const app::ScreenState& screen);

    bool writing() const { return writing_; }

private:
    void ShowMonths(const app::ScreenState& screen);
    void ShowOptions(const app::ScreenState& screen);
    void ShowCompanies(const app::ScreenState& screen);

    const Controls& controls_;
    std::vector<std::string> shownEntries_;  // entry texts the company list holds
    bool shownByName_ = false;
    bool writing_ = false;
};

// The selections of a list box as it shows them now, one per entry.
std::vector<bool> ListSelection(Handle list);

}  // namespace kv::gui::win32
