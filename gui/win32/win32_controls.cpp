#include "gui/win32/win32_controls.hpp"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/screen_controls.hpp"
#include "gui/screen_places.hpp"
#include "platform/text_encoding.hpp"

namespace kv::gui::win32 {

namespace {

using K = app::ControlKind;

struct Made {
    const wchar_t* windowClass;
    DWORD style;
};

// The Windows control class and style of a kind of control. Ticks and options do not tick
// themselves: a click goes to the model, and the view shows what the model then holds.
Made ClassOf(K kind) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
        case K::Label: return {L"STATIC", kChild | SS_LEFT | SS_NOPREFIX};
        case K::Group: return {L"BUTTON", kChild | BS_GROUPBOX};
        case K::List:
            return {L"LISTBOX", kChild | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY |
                                    LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT};
        case K::TickBox: return {L"BUTTON", kChild | WS_TABSTOP | BS_CHECKBOX};
        case K::Option: return {L"BUTTON", kChild | WS_TABSTOP | BS_RADIOBUTTON};
        case K::TextField: return {L"EDIT", kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL};
        case K::Button: return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON};
        case K::Window: break;
    }
    return {L"STATIC", kChild};
}

// A control's rectangle in the window, in twips: a member's place is relative to its group.
app::TwipsRect WindowRect(const ControlPlace& place) {
    app::TwipsRect rect = place.rect;
    if (place.parent.empty()) return rect;
    if (const ControlPlace* group = FindPlace(place.parent, -1)) {
        rect.left += group->rect.left;
        rect.top += group->rect.top;
    }
    return rect;
}

bool Inside(const app::TwipsRect& inner, const app::TwipsRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

Handle Create(Handle window, const Made& made, const std::string& caption, const ControlPlace& place,
              int id, int dpi) {
    const app::TwipsRect rect = WindowRect(place);
    return ::CreateWindowExW(0, made.windowClass, platform::Cp1252ToWide(caption).c_str(), made.style,
                             TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
                             TwipsToPixels(rect.width, dpi), TwipsToPixels(rect.height, dpi), window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

void SetFont(Handle control, void* font) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// Every control of the model, then the progress bar the window adds to the wait panel.
std::vector<NamedControl> MakeAll(Handle window, const ControlFonts& fonts, int dpi) {
    std::vector<NamedControl> all;
    const ControlPlace* panel = FindPlace("Frame12", -1);
    int id = kFirstControlId;
    for (const app::ControlInfo& control : app::ScreenControls()) {
        const ControlPlace* place = FindPlace(control.name, control.index);
        if (control.kind == K::Window || place == nullptr) continue;
        NamedControl made{control.name, control.index, place->parent, nullptr, id};
        made.handle = Create(window, ClassOf(control.kind), std::string(control.caption), *place, id++, dpi);
        made.covered = control.name != "Frame12" && place->parent != "Frame12" &&
                       Inside(WindowRect(*place), panel->rect);
        SetFont(made.handle, control.kind == K::List && control.name == "ListAzi" ? fonts.fixed : fonts.text);
        all.push_back(made);
    }
    // A group lies under what it holds, as in a dialog (a new control goes under those made before).
    for (const NamedControl& group : all) {
        if (!group.parent.empty() || FindPlace(group.name, group.index) == nullptr) continue;
        const bool holds = std::any_of(all.begin(), all.end(),
                                       [&](const NamedControl& member) { return member.parent == group.name; });
        if (holds) ::SetWindowPos(group.handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    const ControlPlace* bar = FindPlace(kProgressName, -1);
    NamedControl progress{kProgressName, -1, bar->parent, nullptr, id};
    progress.handle = Create(window, Made{PROGRESS_CLASSW, WS_CHILD | WS_VISIBLE | PBS_SMOOTH}, "", *bar, id, dpi);
    all.push_back(progress);
    return all;
}

void* MakeFont(const LOGFONTW& base, int points, bool bold, int dpi) {
    LOGFONTW font = base;
    if (points > 0) font.lfHeight = -::MulDiv(points, dpi, 72);
    if (bold) font.lfWeight = FW_BOLD;
    return ::CreateFontIndirectW(&font);
}

}  // namespace

int TwipsToPixels(int twips, int dotsPerInch) { return ::MulDiv(twips, dotsPerInch, 1440); }

ControlFonts::ControlFonts(int dotsPerInch) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const LOGFONTW& message = metrics.lfMessageFont;
    text = MakeFont(message, 0, false, dotsPerInch);
    title = MakeFont(message, 14, true, dotsPerInch);
    wait = MakeFont(message, 10, true, dotsPerInch);
    // The list's columns line up only in a fixed-pitch font.
    LOGFONTW courier{};
    courier.lfCharSet = ANSI_CHARSET;
    courier.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynW(courier.lfFaceName, L"Courier New", LF_FACESIZE);
    fixed = MakeFont(courier, 10, false, dotsPerInch);
}

ControlFonts::~ControlFonts() {
    for (void* font : {text, title, wait, fixed}) ::DeleteObject(static_cast<HGDIOBJ>(font));
}

const NamedControl* Controls::ById(int id) const {
    for (const NamedControl& control : all) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

const NamedControl* Controls::ByName(std::string_view name, int index) const {
    for (const NamedControl& control : all) {
        if (control.name == name && control.index == index) return &control;
    }
    return nullptr;
}

Controls BuildControls(Handle window, const ControlFonts& fonts, int dotsPerInch) {
    Controls controls;
    controls.all = MakeAll(window, fonts, dotsPerInch);
    auto get = [&controls](std::string_view name, int index = -1) -> Handle {
        const NamedControl* control = controls.ByName(name, index);
        return control != nullptr ? control->handle : nullptr;
    };
    controls.yearLabel = get("Label1", 1);
    controls.ListMesi = get("ListMesi");
    controls.CheckTutti = get("CheckTutti");
    for (int i = 0; i < 2; ++i) controls.OptionAnno[i] = get("OptionAnno", i);
    for (int i = 0; i < 4; ++i) controls.OptionDoc[i] = get("OptionDoc", i);
    for (int i = 0; i < 2; ++i) controls.OptionStampa[i] = get("OptionStampa", i);
    for (int i = 0; i < 2; ++i) controls.OptOrdListAzi[i] = get("OptOrdListAzi", i);
    controls.txtdata = get("txtdata");
    controls.ListAzi = get("ListAzi");
    controls.CheckAzi = get("CheckAzi");
    controls.CheckNonSovrascrivere = get("CheckNonSovrascrivere");
    controls.CheckPdfA = get("CheckPdfA");
    controls.Frame12 = get("Frame12");
    controls.progress = get(kProgressName);
    controls.CmdAnnulla = get("CmdAnnulla");
    controls.CmdConferma = get("CmdConferma");
    controls.CmdUscita = get("CmdUscita");

    SetFont(get("Label1", 0), fonts.title);
    SetFont(controls.yearLabel, fonts.title);
    SetFont(get("Label2", 14), fonts.wait);
    SetFont(get("Label2", 15), fonts.wait);
    for (std::string_view month : app::kMonthNames) {
        ::SendMessageW(controls.ListMesi, LB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(platform::Cp1252ToWide(month).c_str()));
    }
    return controls;
}

void SetCaption(Handle control, const std::string& cp1252) {
    if (Caption(control) != cp1252) ::SetWindowTextW(control, platform::Cp1252ToWide(cp1252).c_str());
}

std::string Caption(Handle control) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return platform::WideToCp1252(text);
}

}  // namespace kv::gui::win32
