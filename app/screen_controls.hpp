#pragma once
// The selection screen's controls: names, kinds and fixed captions, the option indexes, and the
// sizes the screen and its wait panel are given. A window draws these; the model in
// screen_state.hpp holds what changes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/screen_state.hpp"

namespace kv::app {

inline constexpr std::string_view kScreenCaption = "Nuova Gestione Certificazione Parcelle";

// Option indexes, as the controls number them.
inline constexpr int kPrecedente = 0;       // OptionAnno
inline constexpr int kCorrente = 1;
inline constexpr int kStampaLaser = 0;      // OptionStampa
inline constexpr int kCreaPdf = 1;
inline constexpr int kOrderByCode = 0;      // OptOrdListAzi
inline constexpr int kOrderByName = 1;
inline constexpr int kElencoDocumenti = 0;  // OptionDoc
inline constexpr int kRegistroCompensi = 1;
inline constexpr int kElencoPercipienti = 2;
inline constexpr int kCertificazioni = 3;

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
    "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
inline constexpr std::array<std::string_view, 4> kReportCaptions = {
    "Elenco Documenti", "Registro Compensi a Terzi", "Elenco Percipienti", "Certificazioni"};

// CheckAzi's caption as the screen is drawn, and as its click sets it.
inline constexpr std::string_view kSelectAllInitialCaption = "Seleziona tutte le Ditte";
inline constexpr std::string_view kSelectAllCaption = "Seleziona tutte le ditte";
inline constexpr std::string_view kDeselectAllCaption = "Deseleziona tutte le ditte";

// A rectangle in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kScreenWidth = 11820;
inline constexpr int kScreenHeight = 8445;
inline constexpr TwipsRect kWaitPanelRect{60, 5760, 7065, 885};

// The screen centred on a display of the given size in twips.
TwipsRect CentredScreen(int displayWidth, int displayHeight);

// The part of a company entry the list shows: the code, a blank and the 50-character name, or the
// name, a blank and the code. What follows (30 blanks, the code, the hidden part) stays out of view.
std::string VisiblePart(const CompanyEntry& entry, bool orderByName);

enum class ControlKind { Window, Label, Group, List, TickBox, Option, TextField, Button };

struct ControlInfo {
    std::string_view name;
    int index;  // member of a group of like controls; -1 for a single control
    ControlKind kind;
    std::string_view caption;  // fixed caption; empty when the model holds it or there is none
};

// Every control of the screen, the screen itself first.
const std::vector<ControlInfo>& ScreenControls();

}  // namespace kv::app
