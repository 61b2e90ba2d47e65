#pragma once
// Shows the screen model on the widgets: values, enabled and visible states, the company list and
// the selections. Signals are blocked while it writes, so showing the model never acts as a click.

#include <string>
#include <vector>

#include "app/screen_state.hpp"
#include "gui/screen_widgets.hpp"

namespace kv::gui {

class ScreenView {
public:
    explicit ScreenView(ScreenWidgets& widgets) : widgets_(widgets) {}

    void Show(const app::ScreenState& screen);

private:
    void ShowMonths(const app::ScreenState& screen);
    void ShowOptions(const app::ScreenState& screen);
    void ShowCompanies(const app::ScreenState& screen);
    void ShowWaitPanel(const app::ScreenState& screen);

    ScreenWidgets& widgets_;
    std::vector<std::string> shownEntries_;  // entry texts the company list holds
    bool shownByName_ = false;
};

}  // namespace kv::gui
