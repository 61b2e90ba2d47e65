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
    // Only the wait panel, as a running report changes it.
    void ShowWaitPanel(const app::ScreenState& screen);

    // True while the view writes the model to the widgets: what the widgets signal meanwhile is
    // not the user's doing.
    bool writing() const { return writing_; }

private:
    struct Writing {
        explicit Writing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
        ~Writing() { flag_ = was_; }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;
        bool& flag_;
        bool was_;
    };

    void ShowMonths(const app::ScreenState& screen);
    void ShowOptions(const app::ScreenState& screen);
    void ShowCompanies(const app::ScreenState& screen);

    ScreenWidgets& widgets_;
    std::vector<std::string> shownEntries_;  // entry texts the company list holds
    bool shownByName_ = false;
    bool writing_ = false;
};

}  // namespace kv::gui
