#pragma once
// Message boxes for tests: every box is recorded, answers come from a script. When the script runs
// out, a box gets the answer nobody-at-the-keyboard would give (see UnattendedAnswer).

#include <deque>
#include <vector>

#include "platform/dialogs.hpp"

namespace kv::platform {

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() = default;
    explicit ScriptedDialogs(std::deque<Answer> answers) : answers_(std::move(answers)) {}

    Answer Show(const MessageBox& box) override;

    void Script(Answer answer) { answers_.push_back(answer); }
    const std::vector<MessageBox>& shown() const { return shown_; }
    // The texts of the boxes shown, in order.
    std::vector<std::string> texts() const;

private:
    std::deque<Answer> answers_;
    std::vector<MessageBox> shown_;
};

}  // namespace kv::platform
