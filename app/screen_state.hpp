#pragma once
// The selection screen's state: the value of every control that changes while the program runs,
// and what the confirm command records for the reports. Captions that never change are in
// screen_controls.hpp. The defaults are the controls' values before start-up; start-up's
// Form_Impostazioni_Iniziali then sets the initial choices as clicks would.

#include <string>
#include <vector>

#include "reports/report_progress.hpp"

namespace kv::app {

// One entry of the company list: the text as the list shows and sorts it.
struct CompanyEntry {
    std::string text;  // visible part, 30 blanks, then the code and the hidden part
    std::string code;  // three digits
};

struct ScreenState {
    std::string yearLabel;             // Label1(1): the year beside "CERTIFICAZIONI PARCELLE"
    bool previousYear = false;         // OptionAnno: (0) "Precedente" chosen, else (1) "Corrente"
    bool allMonths = false;            // CheckTutti "Tutti i Mesi" ticked
    std::vector<bool> monthSelected = std::vector<bool>(12, false);  // ListMesi
    bool monthListEnabled = true;
    int currentMonth = -1;             // -1: no current entry
    bool printerOutput = false;        // OptionStampa: (0) "Stampa Laser" chosen, else (1) "Crea PDF"
    int report = -1;                   // chosen OptionDoc, -1 none
    bool dateFrameVisible = false;     // FrameData
    std::string date;                  // txtdata, the certificates' date
    bool orderByName = false;          // OptOrdListAzi: (1) "Ragione Sociale" instead of (0) "Codice"
    std::vector<CompanyEntry> companies;  // ListAzi, sorted by text
    std::vector<bool> companySelected;
    int currentCompany = -1;           // -1: no current entry
    long companyRecord = 0;            // record counter of the company archive walk
    bool allCompanies = false;         // CheckAzi ticked
    std::string allCompaniesCaption = "Seleziona tutte le Ditte";
    bool waitPanelVisible = false;     // Frame12
    std::string waitPanelCaption;
    reports::ReportProgress progress;  // of the report under way: the wait panel's bar
    bool stopRequested = false;        // CmdAnnulla pressed during the report under way
    std::string focus;                 // name of the control given the focus last; empty: none
    // "Non sovrascrivere i PDF esistenti": a file of the same name gets a "_nnn" suffix instead of
    // being replaced. Remembered by the window in its settings; the reset after a confirm keeps it.
    bool keepExistingPdfs = false;
    // "PDF/A per la conservazione": PDF files in PDF/A-2b (but a protected company's). Remembered too.
    bool archivalPdf = false;

    // Recorded by the confirm command for the reports.
    bool ANNOCORRENTE = false;  // "Corrente" chosen
    bool TUTTIMESI = false;     // "Tutti i Mesi" ticked
    std::string ANNOSTAMPA;     // Label1(1) at the moment of confirming
    bool DATIMANCANTI = false;  // the last report skipped notes that lack data
};

}  // namespace kv::app
