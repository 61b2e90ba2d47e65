#pragma once
// The batch's progress while a report runs, for a person watching standard error: one line that
// each step rewrites in place ("KVVELM: Ditte 2 su 7, percipienti 12 su 40"), cleared when the
// report hides its wait panel and before every message box, so the boxes print on lines of their own.

#include <ostream>
#include <string>

#include "app/program.hpp"
#include "platform/dialogs.hpp"

namespace kv::cli {

class TerminalProgress : public platform::Dialogs {
public:
    // Installs itself in the program (its progress display, and in front of its dialogs); it must
    // outlive the program.
    TerminalProgress(app::Program& program, std::ostream& err);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    platform::Answer Show(const platform::MessageBox& box) override;

private:
    void ShowLine(const std::string& line);

    app::Program& program_;
    std::ostream& err_;
    platform::Dialogs* dialogs_;  // the program's own, which print the boxes
    std::string shown_;           // the line on the terminal now; empty: none
};

}  // namespace kv::cli
