// kvvelm-window-driver.exe: plays a user at kvvelm.exe's window, from another process, through the
// window's own controls (found by class and caption), as tests/wine/run.sh asks:
//   window                 wait for the window; print its title
//   select TEXT            select the list entry that begins with TEXT (a click on it)
//   selected TEXT          print how many entries are selected in the list holding that entry
//   click CAPTION          click the button, tick or option with that caption
//   box BUTTON             wait for a message box of any program; print its title and text; press
//                          BUTTON ("-": the first one; ".": none, the box stays)
//   post CAPTION           queue a click on the button with that caption, shown or not: it is
//                          seen when the window next handles its messages (Annulla during a run)
//   moving                 wait until the progress bar has left its start
//   bar FOLDER             until a message box comes, print the progress bar each time it changes,
//                          with the PDF files then under FOLDER: "bar: VALUE/MAXIMUM FILES"; and
//                          once more when the box is there
//   minimize               minimize the window
//   front                  wait until the window is the only one of its class, restored and in front
//   close                  close the window, as its close box does
//   gone                   wait until the window has closed
// Each step waits at most a minute; a step that fails ends the driver with status 1.

#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/text_encoding.hpp"

namespace {

constexpr wchar_t kWindowClass[] = L"KvvelmSelectionWindow";

std::string Utf8(const std::wstring& text) { return kv::platform::Cp1252ToUtf8(kv::platform::WideToCp1252(text)); }

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

// The windows inside `parent`, or every top-level window when there is none.
std::vector<HWND> Windows(HWND parent = nullptr) {
    std::vector<HWND> found;
    const WNDENUMPROC add = [](HWND window, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
    };
    if (parent != nullptr) ::EnumChildWindows(parent, add, reinterpret_cast<LPARAM>(&found));
    if (parent == nullptr) ::EnumWindows(add, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Polls `find` until it gives a window or a minute passes.
template <class Find>
HWND WaitFor(Find find) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (; std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(std::chrono::milliseconds(100))) {
        if (HWND found = find()) return found;
    }
    return nullptr;
}

HWND MainWindow() { return ::FindWindowW(kWindowClass, nullptr); }

// The first window inside `parent` (every top-level window when there is none) that `wanted` accepts.
template <class Wanted>
HWND FindWindowWhere(HWND parent, Wanted wanted) {
    for (HWND window : Windows(parent)) {
        if (wanted(window)) return window;
    }
    return nullptr;
}

// A visible, enabled control of the window with this caption.
HWND ControlCaptioned(const std::wstring& caption) {
    return FindWindowWhere(MainWindow(), [&](HWND child) {
        return TextOf(child) == caption && ::IsWindowVisible(child) && ::IsWindowEnabled(child);
    });
}

HWND MessageBoxWindow() {
    return FindWindowWhere(nullptr, [](HWND window) { return ClassOf(window) == L"#32770" && ::IsWindowVisible(window); });
}

HWND AloneInFront() {
    const std::vector<HWND> all = Windows();
    const auto count = std::count_if(all.begin(), all.end(), [](HWND w) { return ClassOf(w) == kWindowClass; });
    HWND window = MainWindow();
    return count == 1 && !::IsIconic(window) && ::GetForegroundWindow() == window ? window : nullptr;
}

bool Minimize() {
    ::ShowWindow(MainWindow(), SW_MINIMIZE);
    return ::IsIconic(MainWindow()) != 0;
}

bool Window() {
    HWND window = WaitFor(MainWindow);
    if (window) std::printf("window: %s\n", Utf8(TextOf(window)).c_str());
    return window != nullptr;
}

// The list box holding an entry that begins with `prefix`, and the entry's row.
HWND ListHolding(const std::wstring& prefix, LRESULT& row) {
    return WaitFor([&] {
        for (HWND child : Windows(MainWindow())) {
            if (ClassOf(child) != L"ListBox") continue;
            row = ::SendMessageW(child, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(prefix.c_str()));
            if (row != LB_ERR) return child;
        }
        return HWND{};
    });
}

bool Selected(const std::wstring& prefix) {
    LRESULT row = LB_ERR;
    HWND list = ListHolding(prefix, row);
    if (list) std::printf("selected: %d\n", static_cast<int>(::SendMessageW(list, LB_GETSELCOUNT, 0, 0)));
    return list != nullptr;
}

bool Select(const std::wstring& prefix) {
    LRESULT row = LB_ERR;
    HWND list = ListHolding(prefix, row);
    if (!list) return false;
    ::SendMessageW(list, LB_SETSEL, TRUE, row);
    ::PostMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    return true;
}

bool Click(const std::wstring& caption) {
    HWND control = WaitFor([&] { return ControlCaptioned(caption); });
    if (control) ::PostMessageW(control, BM_CLICK, 0, 0);
    return control != nullptr;
}

bool Post(const std::wstring& caption) {
    HWND button = FindWindowWhere(
        MainWindow(), [&](HWND child) { return TextOf(child) == caption && ClassOf(child) == L"Button"; });
    return button && ::PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

std::size_t PdfFiles(const std::filesystem::path& folder) {
    std::error_code error;
    std::size_t count = 0;
    for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        count += it->path().extension() == ".pdf";
    return count;
}

HWND ProgressBar() { return FindWindowWhere(MainWindow(), [](HWND child) { return ClassOf(child) == PROGRESS_CLASSW; }); }

// The bar's value and maximum; false when the window does not answer within a minute.
bool BarValue(HWND bar, DWORD_PTR& value, DWORD_PTR& maximum) {
    return ::SendMessageTimeoutW(bar, PBM_GETPOS, 0, 0, SMTO_NORMAL, 60000, &value) &&
           ::SendMessageTimeoutW(bar, PBM_GETRANGE, FALSE, 0, SMTO_NORMAL, 60000, &maximum);
}

bool Moving() {
    HWND bar = WaitFor(ProgressBar);
    return bar && WaitFor([bar]() -> HWND {
               DWORD_PTR value = 0, maximum = 0;
               return BarValue(bar, value, maximum) && value > 0 ? bar : nullptr;
           });
}

// The bar is asked first and answers only when the window handles its messages, between two steps
// of the run: the files counted after it are at least those written when it showed its value. Once
// more under the box: where the run left the bar.
bool Bar(const std::filesystem::path& folder) {
    HWND bar = WaitFor(ProgressBar);
    std::string last;
    for (bool boxShown = false; bar; std::this_thread::sleep_for(std::chrono::milliseconds(5))) {
        boxShown = MessageBoxWindow() != nullptr;
        DWORD_PTR value = 0, maximum = 0;
        if (!BarValue(bar, value, maximum)) return false;
        const std::string now = "bar: " + std::to_string(value) + "/" + std::to_string(maximum) + " " +
                                std::to_string(PdfFiles(folder));
        if (now != last || boxShown) std::printf("%s\n", now.c_str());
        if (boxShown) return true;
        last = now;
    }
    return false;
}

bool Box(const std::wstring& button) {
    HWND box = WaitFor(MessageBoxWindow);
    if (!box) return false;
    std::printf("box: %s\n", Utf8(TextOf(box)).c_str());
    HWND pressed = nullptr;
    for (HWND child : Windows(box)) {
        if (ClassOf(child) == L"Static" && !TextOf(child).empty()) std::printf("%s\n", Utf8(TextOf(child)).c_str());
        if (ClassOf(child) == L"Button" && !pressed && (button.empty() || TextOf(child) == button)) pressed = child;
    }
    if (button == L".") return true;
    if (pressed) ::PostMessageW(pressed, BM_CLICK, 0, 0);
    // The box is gone before the next step looks for one.
    return pressed != nullptr && WaitFor([box] { return ::IsWindow(box) ? nullptr : box; }) != nullptr;
}

}  // namespace

int main() {
    // The steps as wide text: the arguments come in the system's code page only narrowed.
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> steps(arguments + 1, arguments + count);
    ::LocalFree(arguments);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::wstring step = steps[i];
        const bool hasArgument = i + 1 < steps.size();
        const std::size_t at = i;
        bool done = false;
        if (step == L"window") done = Window();
        if (step == L"select" && hasArgument) done = Select(steps[++i]);
        if (step == L"selected" && hasArgument) done = Selected(steps[++i]);
        if (step == L"click" && hasArgument) done = Click(steps[++i]);
        if (step == L"box" && hasArgument) done = Box(steps[++i] == L"-" ? L"" : steps[i]);
        if (step == L"post" && hasArgument) done = Post(steps[++i]);
        if (step == L"moving") done = Moving();
        if (step == L"bar" && hasArgument) done = Bar(steps[++i]);
        if (step == L"minimize") done = Minimize();
        if (step == L"front") done = WaitFor(AloneInFront) != nullptr;
        if (step == L"close") done = ::PostMessageW(MainWindow(), WM_CLOSE, 0, 0) != 0;
        if (step == L"gone") done = WaitFor([] { return MainWindow() ? nullptr : ::GetDesktopWindow(); }) != nullptr;
        std::fflush(stdout);
        if (!done) {
            const std::wstring argument = i > at ? L" " + steps[i] : L"";
            std::fprintf(stderr, "kvvelm-window-driver: step %s%s failed\n", Utf8(step).c_str(), Utf8(argument).c_str());
            return 1;
        }
    }
    return 0;
}
