#pragma once
// The screen's choices in one line, so that a test compares them all at once: the year and its
// option, the months ("all" ticked, one digit an entry, "*" before the current one, "locked" when the
// list takes no clicks), the report with its date field and date, the output, the order, the companies selected with
// the select-all tick and its caption, and the wait panel.

#include <string>
#include <vector>

#include "app/screen_state.hpp"

namespace kv::test {

inline std::string ScreenText(const app::ScreenState& s) {
    auto entries = [](const std::vector<bool>& selected, int current) {
        std::string text;
        for (std::size_t i = 0; i < selected.size(); ++i) {
            text += std::string(static_cast<int>(i) == current ? "*" : "") + (selected[i] ? "1" : "0");
        }
        return text;
    };
    return "year " + s.yearLabel + (s.previousYear ? " previous" : " current") + " | months " +
           (s.allMonths ? "all " : "") + entries(s.monthSelected, s.currentMonth) +
           (s.monthListEnabled ? "" : " locked") + " | report " + std::to_string(s.report) +
           (s.dateFrameVisible ? " date field" : "") + (s.date.empty() ? "" : " " + s.date) +
           (s.printerOutput ? " | printer" : " | pdf") +
           (s.orderByName ? " | by name" : " | by code") + " | companies " +
           entries(s.companySelected, s.currentCompany) + (s.allCompanies ? " all \"" : " \"") +
           s.allCompaniesCaption + "\"" + (s.waitPanelVisible ? " | wait panel" : "") +
           (s.waitPanelCaption.empty() ? "" : " \"" + s.waitPanelCaption + "\"");
}

// The part of ScreenText that begins with `name` ("months", "report", "companies" ...).
inline std::string ScreenPart(const app::ScreenState& s, const std::string& name) {
    const std::string text = " | " + ScreenText(s) + " | ";
    const std::size_t from = text.find(" | " + name) + 3;
    return text.substr(from, text.find(" | ", from) - from);
}

}  // namespace kv::test
