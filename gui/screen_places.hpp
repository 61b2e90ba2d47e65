#pragma once
// Where each control of the selection screen stands, in twips as the screen is designed. A control
// inside a group is placed relative to the group. Toolkit-free: every window of the screen model
// (Qt on Linux, Win32 on Windows) places its controls from this table.

#include <string_view>

#include "app/screen_controls.hpp"

namespace kv::gui {

// The progress bar the windows add to the wait panel: how far the report has gone.
inline constexpr std::string_view kProgressName = "ProgressDitte";

struct ControlPlace {
    std::string_view name;
    int index;                 // -1 for a single control
    std::string_view parent;   // the group holding the control; empty: the window
    app::TwipsRect rect;
};

// The place of a control; nullptr for the window itself and for names the screen does not have.
const ControlPlace* FindPlace(std::string_view name, int index);

}  // namespace kv::gui
