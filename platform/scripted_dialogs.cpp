#include "platform/scripted_dialogs.hpp"

namespace kv::platform {

Answer ScriptedDialogs::Show(const MessageBox& box) {
    shown_.push_back(box);
    if (answers_.empty()) return UnattendedAnswer(box);
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace kv::platform
