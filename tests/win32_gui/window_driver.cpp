// kvvelm-window-driver.exe: plays a user at kvvelm.exe's window, from another process, through the
// window's own controls (found by class and caption), as a test script asks:
//   window                 wait for the window; print its title
//   select TEXT            select the list entry that begins with TEXT (a click on it)
//   click CAPTION          click the button, tick or option with that caption
//   box BUTTON             wait for a message box; print its title and text; press BUTTON ("-":
//                          the first one; ".": none, the box stays)
//   minimize               minimize the window
//   front                  wait until the window is the only one of its class, restored and in front
//   close                  close the window, as its close box does
//   gone                   wait until the window has closed
// Each step waits at most a minute; a step that fails ends the driver with status 1.

#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kWindowClass[] = L"KvvelmSelectionWindow";
constexpr auto kLimit = std::chrono::seconds(60);

std::string Utf8(const std::wstring& text) {
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr,
                          nullptr);
    return out;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> found;
    ::EnumChildWindows(parent, [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Polls `find` until it gives a window or the limit passes.
template <class Find>
HWND WaitFor(Find find) {
    const auto end = std::chrono::steady_clock::now() + kLimit;
    while (std::chrono::steady_clock::now() < end) {
        if (HWND found = find()) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return nullptr;
}

HWND MainWindow() { return ::FindWindowW(kWindowClass, nullptr); }

// A visible, enabled control of the window with this caption.
HWND ControlCaptioned(const std::wstring& caption) {
    for (HWND child : Children(MainWindow())) {
        if (TextOf(child) == caption && ::IsWindowVisible(child) && ::IsWindowEnabled(child)) return child;
    }
    return nullptr;
}

// A message box shown by any program (the window's, or a second start's).
HWND MessageBoxWindow() {
    HWND found = nullptr;
    ::EnumWindows([](HWND window, LPARAM data) {
        if (ClassOf(window) != L"#32770" || !::IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The window is the only one of its class, restored and in front.
HWND AloneInFront() {
    int windows = 0;
    ::EnumWindows([](HWND window, LPARAM count) {
        *reinterpret_cast<int*>(count) += ClassOf(window) == kWindowClass;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&windows));
    HWND window = MainWindow();
    return windows == 1 && !::IsIconic(window) && ::GetForegroundWindow() == window ? window : nullptr;
}

bool Window() {
    HWND window = WaitFor(MainWindow);
    if (window) std::printf("window: %s\n", Utf8(TextOf(window)).c_str());
    return window != nullptr;
}

// The list box holding an entry that begins with `prefix`, and the entry's row.
std::pair<HWND, LRESULT> ListEntry(const std::wstring& prefix) {
    for (HWND child : Children(MainWindow())) {
        if (ClassOf(child) != L"ListBox") continue;
        const LRESULT row = ::SendMessageW(child, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(prefix.c_str()));
        if (row != LB_ERR) return {child, row};
    }
    return {nullptr, LB_ERR};
}

bool Select(const std::wstring& prefix) {
    HWND list = WaitFor([&] { return ListEntry(prefix).first; });
    if (!list) return false;
    ::SendMessageW(list, LB_SETSEL, TRUE, ListEntry(prefix).second);
    ::PostMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    return true;
}

bool Click(const std::wstring& caption) {
    HWND control = WaitFor([&] { return ControlCaptioned(caption); });
    if (control) ::PostMessageW(control, BM_CLICK, 0, 0);
    return control != nullptr;
}

bool Box(const std::wstring& button) {
    HWND box = WaitFor(MessageBoxWindow);
    if (!box) return false;
    std::printf("box: %s\n", Utf8(TextOf(box)).c_str());
    const bool leave = button == L".";
    HWND pressed = nullptr;
    for (HWND child : Children(box)) {
        if (ClassOf(child) == L"Static" && !TextOf(child).empty()) std::printf("%s\n", Utf8(TextOf(child)).c_str());
        if (ClassOf(child) == L"Button" && !pressed && !leave && (button.empty() || TextOf(child) == button))
            pressed = child;
    }
    std::fflush(stdout);
    if (pressed) ::PostMessageW(pressed, BM_CLICK, 0, 0);
    // The box is gone before the next step looks for one.
    const auto end = std::chrono::steady_clock::now() + kLimit;
    while (pressed && ::IsWindow(box) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return leave || pressed != nullptr;
}

bool Gone() {
    return WaitFor([] { return MainWindow() ? nullptr : ::GetDesktopWindow(); }) != nullptr;
}

}  // namespace

int main() {
    // The steps as wide text: the arguments come in the system's code page only narrowed.
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> steps(arguments + 1, arguments + count);
    ::LocalFree(arguments);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::wstring& step = steps[i];
        const bool hasArgument = i + 1 < steps.size();
        bool done = false;
        if (step == L"window") {
            done = Window();
        } else if (step == L"select" && hasArgument) {
            done = Select(steps[++i]);
        } else if (step == L"click" && hasArgument) {
            done = Click(steps[++i]);
        } else if (step == L"box" && hasArgument) {
            const std::wstring& button = steps[++i];
            done = Box(button == L"-" ? L"" : button);
        } else if (step == L"minimize") {
            ::ShowWindow(MainWindow(), SW_MINIMIZE);
            done = ::IsIconic(MainWindow()) != 0;
        } else if (step == L"front") {
            done = WaitFor(AloneInFront) != nullptr;
        } else if (step == L"close") {
            done = ::PostMessageW(MainWindow(), WM_CLOSE, 0, 0) != 0;
        } else if (step == L"gone") {
            done = Gone();
        }
        std::fflush(stdout);
        if (!done) {
            std::fprintf(stderr, "kvvelm-window-driver: step %s failed\n", Utf8(step).c_str());
            return 1;
        }
    }
    return 0;
}
