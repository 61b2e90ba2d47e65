#include "platform/dialogs.hpp"

#include <utility>

namespace kv::platform {

MessageBox OkBox(std::string title, std::string text, Icon icon) {
    MessageBox box;
    box.title = std::move(title);
    box.text = std::move(text);
    box.icon = icon;
    return box;
}

Answer UnattendedAnswer(const MessageBox& box) {
    if (box.buttons == Buttons::Ok) return Answer::Ok;
    return box.safeAnswer.value_or(box.buttons == Buttons::RetryPdfCancel ? Answer::Cancel : Answer::No);
}

const char* AnswerName(Answer answer) {
    switch (answer) {
        case Answer::Ok: return "OK";
        case Answer::Yes: return "S\xEC";
        case Answer::No: return "No";
        case Answer::Retry: return "Riprova";
        case Answer::Pdf: return "Crea PDF";
        case Answer::Cancel: return "Annulla";
    }
    return "?";
}

}  // namespace kv::platform
