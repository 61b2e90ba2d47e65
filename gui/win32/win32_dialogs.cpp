#include "gui/win32/win32_dialogs.hpp"

#include <windows.h>
#include <shellapi.h>
#undef MessageBox  // the platform's box, not the Windows macro

#include <array>

#include "platform/text_encoding.hpp"

namespace kv::gui::win32 {

namespace {

struct Label {
    int id;
    const wchar_t* text;
};

// The message box's own buttons, each layout told apart by the buttons it has, relabelled with the
// program's texts: the system would name them in its own language. Cancel (also Escape and the
// close box) is always OK where OK comes with an offer to open something.
struct Layout {
    UINT style;
    std::array<Label, 3> labels;  // id 0: none
};
constexpr Layout kYesNo{MB_YESNO | MB_DEFBUTTON1, {{{IDYES, L"S\u00EC"}, {IDNO, L"No"}, {0, nullptr}}}};
constexpr Layout kOkFolder{MB_OKCANCEL | MB_DEFBUTTON2,
                           {{{IDOK, L"Apri cartella"}, {IDCANCEL, L"OK"}, {0, nullptr}}}};
constexpr Layout kOkFile{MB_RETRYCANCEL | MB_DEFBUTTON2,
                         {{{IDRETRY, L"Apri PDF"}, {IDCANCEL, L"OK"}, {0, nullptr}}}};
constexpr Layout kOkFolderFile{MB_CANCELTRYCONTINUE | MB_DEFBUTTON1,
                               {{{IDCANCEL, L"OK"}, {IDTRYAGAIN, L"Apri cartella"}, {IDCONTINUE, L"Apri PDF"}}}};
constexpr std::array<const Layout*, 4> kLayouts = {&kYesNo, &kOkFolder, &kOkFile, &kOkFolderFile};

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
    const bool folder = !box.openFolder.empty();
    const bool file = !box.openFile.empty();
    if (folder && file) return &kOkFolderFile;
    if (folder) return &kOkFolder;
    if (file) return &kOkFile;
    return nullptr;
}

// The box's text with CR LF between its lines, as the message box breaks them.
std::wstring BoxText(const std::string& cp1252) {
    std::wstring text;
    for (const std::string& line : platform::SplitLines(cp1252)) {
        if (!text.empty()) text += L"\r\n";
        text += platform::Cp1252ToWide(line);
    }
    return text;
}

// Opens a folder or a file with the system's viewer.
void Open(const std::filesystem::path& path) {
    ::ShellExecuteW(nullptr, L"open", path.wstring().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
    const int pressed = ::MessageBoxW(owner_, BoxText(box.text).c_str(),
                                      platform::Cp1252ToWide(box.title).c_str(), style);
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    if (box.buttons == platform::Buttons::YesNo)
        return pressed == IDYES ? platform::Answer::Yes : platform::Answer::No;
    const Layout* layout = LayoutOf(box);
    if (layout != nullptr) {
        for (const Label& label : layout->labels) {
            if (label.id != pressed || label.id == 0) continue;
            if (label.text == std::wstring_view(L"Apri cartella")) Open(box.openFolder);
            if (label.text == std::wstring_view(L"Apri PDF")) Open(box.openFile);
        }
    }
    return platform::Answer::Ok;
}

}  // namespace kv::gui::win32
