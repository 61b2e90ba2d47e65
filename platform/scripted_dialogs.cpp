#include "platform/scripted_dialogs.hpp"

namespace kv::platform {

Answer ScriptedDialogs::Show(const MessageBox& box) {
    shown_.push_back(box);
    if (answers_.empty()) return UnattendedAnswer(box);
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> all;
    for (const MessageBox& box : shown_) all.push_back(box.text);
    return all;
}

}  // namespace kv::platform
