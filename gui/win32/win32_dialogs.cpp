#include "gui/win32/win32_dialogs.hpp"

#include <windows.h>
#undef MessageBox  // the platform's box, not the Windows macro

#include <array>

#include "gui/open_failure.hpp"
#include "platform/shell.hpp"
#include "platform/text_encoding.hpp"

namespace kv::gui::win32 {

namespace {

struct Label {
    int id;
    const wchar_t* text;
    platform::Answer answer;
};

// The message box's own buttons, each layout told apart by the buttons it has, relabelled with the
// program's texts: the system would name them in its own language. Cancel (also Escape and the
// close box) is always OK where OK comes with an offer to open something. The printer question
// has no Cancel button of the system's, so Escape and the close box do nothing there: one of its
// three answers must be chosen.
struct Layout {
    UINT style;
    std::array<Label, 3> labels;  // id 0: none
};
using platform::Answer;
constexpr Layout kYesNo{MB_YESNO | MB_DEFBUTTON1,
                        {{{IDYES, L"S\u00EC", Answer::Yes}, {IDNO, L"No", Answer::No}, {0, nullptr, Answer::Ok}}}};
constexpr Layout kRetryPdfCancel{MB_ABORTRETRYIGNORE | MB_DEFBUTTON1,
                                 {{{IDABORT, L"Riprova", Answer::Retry},
                                   {IDRETRY, L"Crea PDF", Answer::Pdf},
                                   {IDIGNORE, L"Annulla", Answer::Cancel}}}};
constexpr Layout kOkFolder{MB_OKCANCEL | MB_DEFBUTTON2,
                           {{{IDOK, L"Apri cartella", Answer::Ok}, {IDCANCEL, L"OK", Answer::Ok}, {0, nullptr, Answer::Ok}}}};
constexpr Layout kOkFile{MB_RETRYCANCEL | MB_DEFBUTTON2,
                         {{{IDRETRY, L"Apri PDF", Answer::Ok}, {IDCANCEL, L"OK", Answer::Ok}, {0, nullptr, Answer::Ok}}}};
constexpr Layout kOkFolderFile{MB_CANCELTRYCONTINUE | MB_DEFBUTTON1,
                               {{{IDCANCEL, L"OK", Answer::Ok},
                                 {IDTRYAGAIN, L"Apri cartella", Answer::Ok},
                                 {IDCONTINUE, L"Apri PDF", Answer::Ok}}}};
constexpr std::array<const Layout*, 5> kLayouts = {&kYesNo, &kOkFolder, &kOkFile, &kRetryPdfCancel, &kOkFolderFile};

bool Fits(HWND box, const Layout& layout) {
    for (const Label& label : layout.labels) {
        if (label.id != 0 && ::GetDlgItem(box, label.id) == nullptr) return false;
    }
    return true;
}

// Sets the labels as the box comes up, before it is shown; the fullest layout that fits wins.
LRESULT CALLBACK ProgramLabels(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        for (auto layout = kLayouts.rbegin(); layout != kLayouts.rend(); ++layout) {
            if (!Fits(box, **layout)) continue;
            for (const Label& label : (*layout)->labels) {
                if (label.id != 0) ::SetDlgItemTextW(box, label.id, label.text);
            }
            break;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

const Layout* LayoutOf(const platform::MessageBox& box) {
    if (box.buttons == platform::Buttons::YesNo) return &kYesNo;
    if (box.buttons == platform::Buttons::RetryPdfCancel) return &kRetryPdfCancel;
    const bool folder = !box.openFolder.empty();
    const bool file = !box.openFile.empty();
    if (folder && file) return &kOkFolderFile;
    if (folder) return &kOkFolder;
    if (file) return &kOkFile;
    return nullptr;
}

// Lines with CR LF between them, as the message box breaks them.
std::wstring Lines(const std::string& cp1252) {
    std::wstring text;
    for (const std::string& line : platform::SplitLines(cp1252)) {
        if (!text.empty()) text += L"\r\n";
        text += platform::Cp1252ToWide(line);
    }
    return text;
}

// The box's text, and below it what exactly went wrong, when known, in a "Dettagli" part: the
// message box has no pane of its own for it.
std::wstring BoxText(const platform::MessageBox& box) {
    std::wstring text = Lines(box.text);
    if (!box.details.empty()) text += L"\r\n\r\nDettagli:\r\n" + Lines(box.details);
    return text;
}

// What a pressed button offers to open: nothing, the folder or the file.
const std::filesystem::path* Offered(const platform::MessageBox& box, const Label& label) {
    if (label.text == std::wstring_view(L"Apri cartella")) return &box.openFolder;
    if (label.text == std::wstring_view(L"Apri PDF")) return &box.openFile;
    return nullptr;
}

}  // namespace

unsigned MessageBoxStyle(const platform::MessageBox& box) {
    const Layout* layout = LayoutOf(box);
    unsigned style = layout != nullptr ? layout->style : MB_OK;
    switch (box.icon) {
        case platform::Icon::Stop: style |= MB_ICONHAND; break;
        case platform::Icon::Question: style |= MB_ICONQUESTION; break;
        case platform::Icon::Exclamation: style |= MB_ICONEXCLAMATION; break;
        case platform::Icon::Information: style |= MB_ICONASTERISK; break;
        case platform::Icon::None: break;
    }
    return style;
}

platform::Answer Win32Dialogs::Show(const platform::MessageBox& box) {
    UINT style = MessageBoxStyle(box) | MB_SETFOREGROUND | (owner_ ? MB_APPLMODAL : MB_TASKMODAL);
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, ProgramLabels, nullptr, ::GetCurrentThreadId());
    const int pressed = ::MessageBoxW(owner_, BoxText(box).c_str(),
                                      platform::Cp1252ToWide(box.title).c_str(), style);
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    const Layout* layout = LayoutOf(box);
    if (layout == nullptr) return Answer::Ok;
    for (const Label& label : layout->labels) {
        if (label.id != pressed || label.id == 0) continue;
        const std::filesystem::path* offered = Offered(box, label);
        if (offered != nullptr) Open(platform::WideToCp1252(label.text), *offered);
        return label.answer;
    }
    // Closed without a button of its own: the question's safe answer.
    return box.safeAnswer.value_or(box.buttons == platform::Buttons::YesNo ? Answer::No : Answer::Ok);
}

void Win32Dialogs::Open(const std::string& action, const std::filesystem::path& path) {
    std::optional<std::string> reason = platform::OpenWithSystem(path);
    if (reason) Show(OpenFailureBox(action, path, *reason));
}

}  // namespace kv::gui::win32
