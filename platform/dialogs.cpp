#include "platform/dialogs.hpp"

namespace kv::platform {

Answer UnattendedAnswer(const MessageBox& box) {
    if (box.buttons == Buttons::Ok) return Answer::Ok;
    return box.safeAnswer.value_or(Answer::No);
}

const char* AnswerName(Answer answer) {
    switch (answer) {
        case Answer::Ok: return "OK";
        case Answer::Yes: return "S\xEC";
        case Answer::No: return "No";
    }
    return "?";
}

}  // namespace kv::platform
