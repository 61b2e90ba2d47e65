#include "platform/terminal_dialogs.hpp"

#include "platform/text_encoding.hpp"

namespace kv::platform {

Answer TerminalDialogs::Show(const MessageBox& box) {
    out_ << Cp1252ToUtf8(box.title) << '\n';
    for (const std::string& line : SplitLines(box.text)) out_ << Cp1252ToUtf8(line) << '\n';
    for (const std::string& line : SplitLines(box.details)) out_ << "Dettagli: " << Cp1252ToUtf8(line) << '\n';
    Answer answer = UnattendedAnswer(box);
    if (box.buttons != Buttons::Ok) {
        out_ << "[risposta " << Cp1252ToUtf8(AnswerName(answer)) << ": il batch non attende risposte]\n";
    }
    out_ << '\n';
    out_.flush();
    return answer;
}

}  // namespace kv::platform
