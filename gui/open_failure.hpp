#pragma once
// The box shown when the system cannot open what a closing box offered ("Apri cartella", "Apri
// PDF"): the path and the system's reason, the same in both windows. Toolkit-free.

#include <filesystem>
#include <string>

#include "platform/dialogs.hpp"

namespace kv::gui {

// `action` is the button's caption, `reason` the system's words (both Windows-1252).
platform::MessageBox OpenFailureBox(const std::string& action, const std::filesystem::path& path,
                                    const std::string& reason);

}  // namespace kv::gui
