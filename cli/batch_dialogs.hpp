#pragma once
// The message boxes of kvvelm-batch: a box with the stop icon (the error reporter, the configuration
// error, the archive library's fatal messages, a file that failed) goes to standard error, every
// other box (choices, closing messages, the summary) to standard output.

#include <ostream>

#include "platform/terminal_dialogs.hpp"

namespace kv::cli {

class BatchDialogs : public platform::Dialogs {
public:
    BatchDialogs(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    platform::Answer Show(const platform::MessageBox& box) override;

private:
    platform::TerminalDialogs out_;
    platform::TerminalDialogs err_;
};

}  // namespace kv::cli
