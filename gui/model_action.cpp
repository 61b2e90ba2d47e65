#include "gui/model_action.hpp"

#include <exception>

#include "app/program_end.hpp"
#include "app/start_up.hpp"
#include "platform/errors.hpp"

namespace kv::gui {

std::optional<int> RunModelAction(app::Program& program, const std::function<void()>& action) {
    program.screen.focus.clear();
    try {
        action();
    } catch (const platform::ProgramEnd& end) {
        return end.status();
    } catch (const std::exception& error) {
        platform::ShowMessage(program.services, platform::OkBox("Lumeo " + program.services.projectName,
                                                                error.what(), platform::Icon::Stop));
        return platform::exit_status::kFatal;
    }
    return std::nullopt;
}

std::optional<int> StartProgram(app::Program& program) {
    std::optional<int> ended = RunModelAction(program, [&program] { app::StartUp(program); });
    if (ended) app::CloseAllFiles(program);
    return ended;
}

}  // namespace kv::gui
