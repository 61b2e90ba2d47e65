#pragma once
// The Dialogs port: message boxes with a title, a text, an icon and buttons, returning the answer.
// The window shows them, the batch front end prints them, tests script them.

#include <filesystem>
#include <optional>
#include <string>

namespace kv::platform {

enum class Icon { None, Stop, Question, Exclamation, Information };
enum class Buttons { Ok, YesNo, RetryPdfCancel };  // RetryPdfCancel: "Riprova", "Crea PDF", "Annulla"
enum class Answer { Ok, Yes, No, Retry, Pdf, Cancel };

struct MessageBox {
    std::string title;  // Windows-1252 text, like every text inside the program
    std::string text;   // lines separated by CR LF, CR or LF
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    // For a question: the answer that stops safely, given when nobody can answer.
    std::optional<Answer> safeAnswer;
    // What a box that closes a run may offer to open with the system's viewer, as host paths: a
    // folder ("Apri cartella") and a PDF file ("Apri PDF"). Empty: not offered. A window offers them
    // beside OK; the batch, which never waits, does not.
    std::filesystem::path openFolder{};
    std::filesystem::path openFile{};
    std::string details{};  // what exactly went wrong (file or variable and reason): "Dettagli"; may be empty
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer Show(const MessageBox& box) = 0;
};

// A box with the OK button alone.
MessageBox OkBox(std::string title, std::string text, Icon icon);

// The answer given when nobody answers: OK for an OK box, else the safe answer, else No.
Answer UnattendedAnswer(const MessageBox& box);

// The name of an answer as its button says it, in Windows-1252 ("S\xEC", "No", "OK").
const char* AnswerName(Answer answer);

}  // namespace kv::platform
