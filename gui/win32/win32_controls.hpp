#pragma once
// The selection screen's controls as native Windows controls: one child window per control of the
// screen model (gui/screen_places.hpp places it), all children of the screen's window so their
// notifications reach it. A group's members are its siblings, shown and hidden with it.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct HWND__;

namespace kv::gui::win32 {

using Handle = HWND__*;  // a window handle, as windows.h declares it

// Command identifiers of the controls start here, in the order the screen model lists them.
inline constexpr int kFirstControlId = 100;

struct NamedControl {
    std::string_view name;
    int index = -1;
    std::string_view parent;  // the group holding the control; empty: the window
    Handle handle = nullptr;
    int id = 0;
    bool covered = false;  // lies under the wait panel, so hidden while the panel shows
};

struct Controls {
    std::vector<NamedControl> all;  // every control, the model's order, the progress bar last

    Handle yearLabel = nullptr;  // Label1(1)
    Handle ListMesi = nullptr;
    Handle CheckTutti = nullptr;
    std::array<Handle, 2> OptionAnno{};  // by index: (0) Precedente, (1) Corrente
    std::array<Handle, 4> OptionDoc{};
    std::array<Handle, 2> OptionStampa{};  // (0) Stampa Laser, (1) Crea PDF
    Handle txtdata = nullptr;
    Handle ListAzi = nullptr;
    Handle CheckAzi = nullptr;
    Handle CheckNonSovrascrivere = nullptr;
    Handle CheckPdfA = nullptr;
    std::array<Handle, 2> OptOrdListAzi{};  // (0) Codice, (1) Ragione Sociale
    Handle Frame12 = nullptr;               // the wait panel
    Handle progress = nullptr;              // in the wait panel
    Handle CmdAnnulla = nullptr;
    Handle CmdConferma = nullptr;
    Handle CmdUscita = nullptr;

    // The control with a command identifier, or by name and index; nullptr if none.
    const NamedControl* ById(int id) const;
    const NamedControl* ByName(std::string_view name, int index = -1) const;
};

// The fonts the controls are drawn in, released with the object.
class ControlFonts {
public:
    explicit ControlFonts(int dotsPerInch);
    ~ControlFonts();
    ControlFonts(const ControlFonts&) = delete;
    ControlFonts& operator=(const ControlFonts&) = delete;

    void* text = nullptr;   // the system's message font
    void* title = nullptr;  // bold, for the heading and the year
    void* wait = nullptr;   // bold, for the wait panel's two lines
    void* fixed = nullptr;  // fixed-pitch Courier New, for the company list
};

// Screen pixels for twips at the display's resolution (dots per inch).
int TwipsToPixels(int twips, int dotsPerInch);

// Makes every control inside `window`, placed as the screen is designed, its fixed caption set.
Controls BuildControls(Handle window, const ControlFonts& fonts, int dotsPerInch);

// Windows-1252 text as a control's caption.
void SetCaption(Handle control, const std::string& cp1252);
std::string Caption(Handle control);

}  // namespace kv::gui::win32
