#pragma once
// Message boxes printed on a stream: the title line, the text lines and an empty line. It never waits
// for input: a question is answered the way that stops safely, and the printout says so.

#include <ostream>

#include "platform/dialogs.hpp"

namespace kv::platform {

class TerminalDialogs : public Dialogs {
public:
    explicit TerminalDialogs(std::ostream& out) : out_(out) {}
    Answer Show(const MessageBox& box) override;

private:
    std::ostream& out_;
};

}  // namespace kv::platform
