#pragma once
// What the confirm command hands to a report, and what the report hands back. Plain data over the
// standard library only: the screen builds it, the reports read it without knowing the screen. The
// output target (MODOPDF) is set in the output state, which the reports write through.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "reports/report_progress.hpp"

namespace kv::reports {

// A selected entry of the company list.
struct SelectedCompany {
    int position = 0;   // 0-based position in the list
    std::string code;   // three digits
    std::string text;   // the whole entry text, as the list holds it
};

struct ReportRequest {
    int report = -1;                            // OptionDoc index: 0 documents ... 3 certificates
    std::vector<SelectedCompany> companies;     // in list order
    std::array<bool, 12> months{};              // selected months, January first
    bool allMonths = false;                     // TUTTIMESI
    bool currentYear = false;                   // ANNOCORRENTE: fee notes of files 65/66, else 67/68
    std::string yearText;                       // ANNOSTAMPA
    std::string certificateDate;                // txtdata
    bool orderByName = false;                   // list ordered by "Ragione Sociale"
    std::string screenCaption;                  // title of the reports' closing messages
    bool keepExistingPdfs = false;              // number a file whose name is taken instead of replacing it
    bool archivalPdf = false;                   // "PDF/A per la conservazione"
    std::function<void()> hideWaitPanel;        // for a report that hides the panel before its message
    ProgressCallback progress;                  // told how far the run has gone; may ask it to stop
};

// What the screen needs after a report.
struct ReportOutcome {
    bool missingData = false;     // DATIMANCANTI: notes skipped for lack of data
    bool documentsFound = false;  // at least one document was made
    bool stopped = false;         // the run was asked to stop and left companies out
};

}  // namespace kv::reports
