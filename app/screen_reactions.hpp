#pragma once
// The selection screen's reactions, and the user's actions that lead to them. A user action sets a
// control's value; when the value changes, the control's click reaction runs, as it does on the
// screen. The reactions read the new value from the screen state.

#include <string>

#include "app/program.hpp"

namespace kv::app {

// --- reactions (the value is already set) ---

// "Tutti i Mesi": ticked selects every month and disables the list; unticked enables the list and
// deselects every month. No month is current afterwards.
void CheckTutti_Click(Program& program);

// "Seleziona tutte le ditte": selects or deselects every company and sets the caption to match.
void CheckAzi_Click(Program& program);

// "Precedente" lowers the year label by one, "Corrente" raises it by one.
void OptionAnno_Click(Program& program, int index);

// "Certificazioni" shows the date field with today's date and gives it the focus; the other reports
// hide it and empty it.
void OptionDoc_Click(Program& program, int index);

// Rebuilds the company list in the new order; the selection is cleared and "Seleziona tutte le
// ditte" unticked. The first entry becomes current.
void OptOrdListAzi_Click(Program& program, int index);

// Ctrl+Shift+P (key code kKeyP, shift state kShiftAndCtrl) shows the information box; other keys do
// nothing. The windows send these codes for their shortcut.
inline constexpr int kKeyP = 80;
inline constexpr int kShiftAndCtrl = 3;
void Form_KeyDown(Program& program, int keyCode, int shift);

// "Uscita" and closing the screen end the program (FINEPROGRAMMA).
[[noreturn]] void CmdUscita_Click(Program& program);
[[noreturn]] void Form_Unload(Program& program);

// --- user actions ---

void TickAllMonths(Program& program, bool ticked);
void TickAllCompanies(Program& program, bool ticked);
void ChooseYear(Program& program, int index);    // kPrecedente or kCorrente
void ChooseReport(Program& program, int index);  // kElencoDocumenti ... kCertificazioni
void ChooseOutput(Program& program, int index);  // kStampaLaser or kCreaPdf
void ChooseOrder(Program& program, int index);   // kOrderByCode or kOrderByName

// Selecting an entry of a list makes it current. A disabled month list takes no clicks; an index
// outside the list is ignored.
void SelectMonth(Program& program, int index, bool selected);
void SelectCompany(Program& program, int index, bool selected);

// Ticking "Non sovrascrivere i PDF esistenti"; the choice is remembered in the settings, if any.
void TickKeepExistingPdfs(Program& program, bool ticked);

// Ticking "PDF/A per la conservazione"; remembered in the same way.
void TickArchivalPdf(Program& program, bool ticked);

// The remembered choices back on the screen (the window, after start-up).
void RecallSettings(Program& program);

inline constexpr const char* kKeepExistingSetting = "NonSovrascrivere";
inline constexpr const char* kArchivalPdfSetting = "PdfA";

// Typing into the date field.
void TypeDate(Program& program, const std::string& text);

}  // namespace kv::app
