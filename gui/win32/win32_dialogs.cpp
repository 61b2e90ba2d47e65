#include "gui/win32/win32_dialogs.hpp"

#include <windows.h>
#undef MessageBox  // the platform's box, not the Windows macro

#include "platform/text_encoding.hpp"

namespace kv::gui::win32 {

namespace {

// The box's text with CR LF between its lines, as the message box breaks them.
std::wstring BoxText(const std::string& cp1252) {
    std::wstring text;
    for (const std::string& line : platform::SplitLines(cp1252)) {
        if (!text.empty()) text += L"\r\n";
        text += platform::Cp1252ToWide(line);
    }
    return text;
}

// The message box takes its button texts from the system's language: they are set to the Italian
// ones as the box comes up, before it is shown.
LRESULT CALLBACK ItalianButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        ::SetDlgItemTextW(box, IDYES, L"S\u00EC");
        ::SetDlgItemTextW(box, IDNO, L"No");
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

unsigned MessageBoxStyle(const platform::MessageBox& box) {
    unsigned style = box.buttons == platform::Buttons::YesNo ? MB_YESNO | MB_DEFBUTTON1 : MB_OK;
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
    const HHOOK hook = ::SetWindowsHookExW(WH_CBT, ItalianButtons, nullptr, ::GetCurrentThreadId());
    const int pressed = ::MessageBoxW(owner_, BoxText(box.text).c_str(),
                                      platform::Cp1252ToWide(box.title).c_str(), style);
    if (hook != nullptr) ::UnhookWindowsHookEx(hook);
    if (box.buttons == platform::Buttons::Ok) return platform::Answer::Ok;
    return pressed == IDYES ? platform::Answer::Yes : platform::Answer::No;
}

}  // namespace kv::gui::win32
