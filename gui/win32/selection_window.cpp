#include "gui/win32/selection_window.hpp"

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "app/program_end.hpp"
#include "app/screen_confirm.hpp"
#include "app/screen_controls.hpp"
#include "app/screen_progress.hpp"
#include "app/screen_reactions.hpp"
#include "gui/model_action.hpp"
#include "platform/text_encoding.hpp"

namespace kv::gui::win32 {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kInfoCommand = 1;  // Ctrl+Shift+P

// The hourglass pointer while the model rebuilds or reselects a list.
class Hourglass {
public:
    Hourglass() : was_(::SetCursor(::LoadCursorW(nullptr, IDC_WAIT))) {}
    ~Hourglass() { ::SetCursor(was_); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    HCURSOR was_;
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SelectionWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    // Until the window is made, its messages get the default handling.
    if (self != nullptr && self->handle() == window) return self->Message(message, wParam, lParam);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = ::LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);  // fails harmlessly when a window made it before
}

int DisplayDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// A message of the window's thread: the keys of the window first, then the dialog keys (Tab
// between the controls), then its own window.
void Dispatch(HWND window, HACCEL keys, MSG& message) {
    if (::TranslateAcceleratorW(window, keys, &message)) return;
    if (::IsDialogMessageW(window, &message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

}  // namespace

bool RaiseRunningWindow() {
    const HWND running = ::FindWindowW(kWindowClass, nullptr);
    if (running == nullptr) return false;
    if (::IsIconic(running)) ::ShowWindow(running, SW_RESTORE);
    ::SetForegroundWindow(running);
    return true;
}

SelectionWindow::SelectionWindow(app::Program& program, app::ReportDrivers& reports)
    : program_(program), reports_(reports), dpi_(DisplayDpi()) {
    INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&common);
    RegisterWindowClass();
    RECT frame{0, 0, TwipsToPixels(app::kScreenWidth, dpi_), TwipsToPixels(app::kScreenHeight, dpi_)};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_CONTROLPARENT);
    const std::wstring title = platform::Cp1252ToWide(app::kScreenCaption);
    HWND window = ::CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, title.c_str(), kStyle, CW_USEDEFAULT,
                                    CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    if (window == nullptr) throw std::runtime_error("the window cannot be made");
    fonts_ = std::make_unique<ControlFonts>(dpi_);
    controls_ = BuildControls(window, *fonts_, dpi_);
    view_ = std::make_unique<ScreenView>(controls_);
    ACCEL info{FVIRTKEY | FCONTROL | FSHIFT, 'P', kInfoCommand};
    keys_ = ::CreateAcceleratorTableW(&info, 1);
    handle_ = window;
    PlaceOnScreen();
    view_->Show(program_.screen);
    program_.showProgress = [this] { ShowProgress(); };
}

SelectionWindow::~SelectionWindow() {
    program_.showProgress = nullptr;
    if (keys_ != nullptr) ::DestroyAcceleratorTable(keys_);
    HWND window = handle_;
    handle_ = nullptr;
    ::DestroyWindow(window);
}

void SelectionWindow::PlaceOnScreen() {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const app::TwipsRect placed =
        app::CentredScreen(::MulDiv(width, 1440, dpi_), ::MulDiv(height, 1440, dpi_));
    ::SetWindowPos(handle_, nullptr, TwipsToPixels(placed.left, dpi_), TwipsToPixels(placed.top, dpi_), 0,
                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int SelectionWindow::Run() {
    ::ShowWindow(handle_, SW_SHOW);
    ::UpdateWindow(handle_);
    if (program_.screen.currentCompany >= 0) ::SetFocus(controls_.ListAzi);
    MSG message{};
    while (!endStatus_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(handle_, keys_, message);
    return endStatus_.value_or(static_cast<int>(message.wParam));
}

std::intptr_t SelectionWindow::Message(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
        case WM_COMMAND:
            Command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CLOSE:
            // Closing ends the program through its own end; while a report runs or a box is open
            // the close waits, as any action does.
            if (!acting_) Act([this] { app::Form_Unload(program_); });
            return 0;
        default:
            return ::DefWindowProcW(handle_, message, wParam, lParam);
    }
}

void SelectionWindow::Command(int id, int code) {
    if (id == kInfoCommand) {
        Act([this] { app::Form_KeyDown(program_, app::kKeyP, app::kShiftAndCtrl); });
        return;
    }
    const NamedControl* control = controls_.ById(id);
    if (control == nullptr || view_->writing()) return;
    if (code == BN_CLICKED) Clicked(*control);
    if (code == LBN_SELCHANGE) ListChanged(*control);
    if (code == EN_CHANGE && control->handle == controls_.txtdata) {
        std::string text = Caption(controls_.txtdata);
        if (text != program_.screen.date) Act([&] { app::TypeDate(program_, text); });
    }
}

void SelectionWindow::Clicked(const NamedControl& control) {
    const std::string_view name = control.name;
    const int index = control.index;
    app::ScreenState& screen = program_.screen;
    if (name == "CmdAnnulla") {
        // Pressed while the report runs, inside the action of Conferma.
        app::CmdAnnulla_Click(program_);
        view_->ShowWaitPanel(screen);
    } else if (name == "CheckTutti") {
        Act([&] { app::TickAllMonths(program_, !screen.allMonths); });
    } else if (name == "CheckNonSovrascrivere") {
        Act([&] { app::TickKeepExistingPdfs(program_, !screen.keepExistingPdfs); });
    } else if (name == "CheckPdfA") {
        Act([&] { app::TickArchivalPdf(program_, !screen.archivalPdf); });
    } else if (name == "CheckAzi") {
        Hourglass busy;
        Act([&] { app::TickAllCompanies(program_, !screen.allCompanies); });
    } else if (name == "OptOrdListAzi") {
        Hourglass busy;
        Act([&] { app::ChooseOrder(program_, index); });
    } else if (name == "OptionAnno") {
        Act([&] { app::ChooseYear(program_, index); });
    } else if (name == "OptionDoc") {
        Act([&] { app::ChooseReport(program_, index); });
    } else if (name == "OptionStampa") {
        Act([&] { app::ChooseOutput(program_, index); });
    } else if (name == "CmdConferma") {
        Act([&] { app::CmdConferma_Click(program_, reports_); });
    } else if (name == "CmdUscita") {
        Act([&] { app::CmdUscita_Click(program_); });
    }
}

void SelectionWindow::ListChanged(const NamedControl& control) {
    const bool months = control.handle == controls_.ListMesi;
    const std::vector<bool> before = months ? program_.screen.monthSelected : program_.screen.companySelected;
    const std::vector<bool> shown = ListSelection(control.handle);
    void (*choose)(app::Program&, int, bool) = months ? &app::SelectMonth : &app::SelectCompany;
    Act([&] {
        // What the click took away first, then what it added, as the list tells a change.
        for (bool adding : {false, true}) {
            for (std::size_t row = 0; row < shown.size() && row < before.size(); ++row) {
                if (shown[row] == adding && before[row] != adding) choose(program_, static_cast<int>(row), adding);
            }
        }
    });
}

void SelectionWindow::Act(const std::function<void()>& action) {
    // One action at a time: what reaches the window while a report runs or a box is open waits.
    if (endStatus_ || acting_) return;
    acting_ = true;
    std::optional<int> ended = RunModelAction(program_, action);
    acting_ = false;
    if (ended) {
        End(*ended);
        return;
    }
    view_->Show(program_.screen);
    ApplyFocus();
}

void SelectionWindow::ApplyFocus() {
    if (program_.screen.focus.empty()) return;
    if (const NamedControl* control = controls_.ByName(program_.screen.focus)) ::SetFocus(control->handle);
}

void SelectionWindow::End(int status) {
    app::CloseAllFiles(program_);
    endStatus_ = status;
    ::ShowWindow(handle_, SW_HIDE);
    ::PostQuitMessage(status);
}

void SelectionWindow::ShowProgress() {
    view_->ShowWaitPanel(program_.screen);
    ::UpdateWindow(handle_);
    HandleWaiting();
}

void SelectionWindow::HandleWaiting() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(handle_, keys_, message);
    }
}

}  // namespace kv::gui::win32
