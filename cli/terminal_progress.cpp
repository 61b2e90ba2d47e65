#include "cli/terminal_progress.hpp"

#include "app/screen_progress.hpp"

namespace kv::cli {

TerminalProgress::TerminalProgress(app::Program& program, std::ostream& err)
    : program_(program), err_(err), dialogs_(program.services.dialogs) {
    program_.services.dialogs = this;
    program_.showProgress = [this] {
        const app::ScreenState& screen = program_.screen;
        ShowLine(screen.waitPanelVisible ? "KVVELM: " + app::ProgressText(screen.progress) : "");
    };
}

TerminalProgress::~TerminalProgress() { ShowLine(""); }

platform::Answer TerminalProgress::Show(const platform::MessageBox& box) {
    ShowLine("");
    return dialogs_ != nullptr ? dialogs_->Show(box) : platform::UnattendedAnswer(box);
}

void TerminalProgress::ShowLine(const std::string& line) {
    if (line == shown_) return;
    // Back to the line's start, the new text, and blanks over what is left of the old one.
    const std::size_t blanks = shown_.size() > line.size() ? shown_.size() - line.size() : 0;
    err_ << '\r' << line << std::string(blanks, ' ');
    if (line.empty()) err_ << '\r';
    err_.flush();
    shown_ = line;
}

}  // namespace kv::cli
