#include "gui/win32/win32_view.hpp"

#include <windows.h>
#include <commctrl.h>

#include "app/screen_controls.hpp"
#include "app/screen_progress.hpp"
#include "platform/text_encoding.hpp"

namespace kv::gui::win32 {

namespace {

class Writing {
public:
    explicit Writing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Writing() { flag_ = was_; }
    Writing(const Writing&) = delete;
    Writing& operator=(const Writing&) = delete;

private:
    bool& flag_;
    bool was_;
};

void Check(Handle button, bool on) {
    ::SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Checks one option of a group, or none.
template <std::size_t N>
void CheckOption(const std::array<Handle, N>& options, int chosen) {
    for (std::size_t i = 0; i < N; ++i) Check(options[i], static_cast<int>(i) == chosen);
}

// Selects the entries as the model says and puts the caret on the current one.
void ShowSelection(Handle list, const std::vector<bool>& selected, int current) {
    const std::vector<bool> shown = ListSelection(list);
    for (std::size_t row = 0; row < shown.size(); ++row) {
        const bool on = row < selected.size() && selected[row];
        if (on != shown[row]) ::SendMessageW(list, LB_SETSEL, on ? TRUE : FALSE, static_cast<LPARAM>(row));
    }
    if (current >= 0) ::SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(current), FALSE);
}

void SetVisible(Handle control, bool visible) { ::ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE); }

// A group and its members.
void ShowGroup(const Controls& controls, std::string_view group, bool visible) {
    for (const NamedControl& control : controls.all) {
        if (control.name == group || control.parent == group) SetVisible(control.handle, visible);
    }
}

}  // namespace

std::vector<bool> ListSelection(Handle list) {
    const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::vector<bool> selected(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (std::size_t row = 0; row < selected.size(); ++row)
        selected[row] = ::SendMessageW(list, LB_GETSEL, row, 0) > 0;
    return selected;
}

void ScreenView::Show(const app::ScreenState& screen) {
    Writing writing(writing_);
    SetCaption(controls_.yearLabel, screen.yearLabel);
    ShowMonths(screen);
    ShowOptions(screen);
    ShowCompanies(screen);
    ShowWaitPanel(screen);
    Check(controls_.CheckNonSovrascrivere, screen.keepExistingPdfs);
    Check(controls_.CheckPdfA, screen.archivalPdf);
}

void ScreenView::ShowMonths(const app::ScreenState& screen) {
    Check(controls_.CheckTutti, screen.allMonths);
    ShowSelection(controls_.ListMesi, screen.monthSelected, screen.currentMonth);
}

void ScreenView::ShowOptions(const app::ScreenState& screen) {
    CheckOption(controls_.OptionAnno, screen.previousYear ? app::kPrecedente : app::kCorrente);
    CheckOption(controls_.OptionDoc, screen.report);
    CheckOption(controls_.OptionStampa, screen.printerOutput ? app::kStampaLaser : app::kCreaPdf);
    CheckOption(controls_.OptOrdListAzi, screen.orderByName ? app::kOrderByName : app::kOrderByCode);
    ShowGroup(controls_, "FrameData", screen.dateFrameVisible);
    SetCaption(controls_.txtdata, screen.date);
}

void ScreenView::ShowCompanies(const app::ScreenState& screen) {
    std::vector<std::string> entries;
    entries.reserve(screen.companies.size());
    for (const app::CompanyEntry& entry : screen.companies) entries.push_back(entry.text);
    if (entries != shownEntries_ || screen.orderByName != shownByName_) {
        ::SendMessageW(controls_.ListAzi, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(controls_.ListAzi, LB_RESETCONTENT, 0, 0);
        for (const app::CompanyEntry& entry : screen.companies) {
            const std::wstring text = platform::Cp1252ToWide(app::VisiblePart(entry, screen.orderByName));
            ::SendMessageW(controls_.ListAzi, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        ::SendMessageW(controls_.ListAzi, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(controls_.ListAzi, nullptr, TRUE);
        shownEntries_ = std::move(entries);
        shownByName_ = screen.orderByName;
    }
    ShowSelection(controls_.ListAzi, screen.companySelected, screen.currentCompany);
    Check(controls_.CheckAzi, screen.allCompanies);
    SetCaption(controls_.CheckAzi, screen.allCompaniesCaption);
}

void ScreenView::ShowWaitPanel(const app::ScreenState& screen) {
    Writing writing(writing_);
    const bool running = screen.waitPanelVisible;
    SetCaption(controls_.Frame12, screen.waitPanelCaption);
    const app::ProgressBar bar = app::ProgressBarOf(screen.progress);
    ::SendMessageW(controls_.progress, PBM_SETRANGE32, 0, bar.maximum);
    ::SendMessageW(controls_.progress, PBM_SETPOS, static_cast<WPARAM>(bar.value), 0);
    ::EnableWindow(controls_.CmdAnnulla, !screen.stopRequested);
    // The panel covers the two small groups under the company list; while a report runs only the
    // panel takes the user's input.
    for (const NamedControl& control : controls_.all) {
        const bool inPanel = control.name == "Frame12" || control.parent == "Frame12";
        if (control.covered) SetVisible(control.handle, !running);
        if (inPanel) SetVisible(control.handle, running);
        bool enabled = inPanel || !running;
        if (control.handle == controls_.ListMesi) enabled = enabled && screen.monthListEnabled;
        if (control.handle != controls_.CmdAnnulla) ::EnableWindow(control.handle, enabled);
    }
}

}  // namespace kv::gui::win32
