#pragma once
// One user action on the screen model, as every window runs it: the end of the program (Uscita,
// closing the window, the error reporter's close) becomes an exit status, and an error that nothing
// else took is shown in a stop box and ends the program as a fatal error would. Toolkit-free.

#include <functional>
#include <optional>

#include "app/program.hpp"

namespace kv::gui {

// Clears the focus request, runs the action; the exit status when the program ended, else nothing.
std::optional<int> RunModelAction(app::Program& program, const std::function<void()>& action);

// The program's start-up before a window opens (single instance, CARICAINST, Apri_Archivi ...),
// run as an action; when it ends the program, its files are closed and its exit status returned.
std::optional<int> StartProgram(app::Program& program);

}  // namespace kv::gui
