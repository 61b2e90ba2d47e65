#include "app/screen_reactions.hpp"

#include <cmath>

#include "app/company_list.hpp"
#include "app/program_end.hpp"
#include "app/screen_controls.hpp"
#include "archive/number_text.hpp"
#include "platform/user_locale.hpp"

namespace kv::app {

namespace {


// The year label moved by a number of years, written as a whole number without spaces. Text that
// is not a number counts as 0, as the screen's numeric value of a label does.
std::string ShiftedYear(const std::string& label, int years) {
    double value = archive::NumericValue(label);
    return std::to_string(static_cast<long long>(std::floor(value)) + years);
}

bool InRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

// The tick boxes the window remembers: their settings' names and the screen's choices.
struct RememberedTick {
    const char* setting;
    bool ScreenState::*choice;
};
constexpr RememberedTick kRememberedTicks[] = {
    {kKeepExistingSetting, &ScreenState::keepExistingPdfs},
    {kArchivalPdfSetting, &ScreenState::archivalPdf},
};

void Tick(Program& program, const RememberedTick& tick, bool ticked) {
    program.screen.*tick.choice = ticked;
    if (program.settings != nullptr) program.settings->Write(tick.setting, ticked ? "1" : "0");
}

}  // namespace

void CheckTutti_Click(Program& program) {
    ScreenState& screen = program.screen;
    screen.monthListEnabled = !screen.allMonths;
    screen.monthSelected.assign(12, screen.allMonths);
    screen.currentMonth = -1;
}

void CheckAzi_Click(Program& program) {
    ScreenState& screen = program.screen;
    screen.allCompaniesCaption = screen.allCompanies ? kDeselectAllCaption : kSelectAllCaption;
    screen.companySelected.assign(screen.companies.size(), screen.allCompanies);
    screen.currentCompany = -1;
}

void OptionAnno_Click(Program& program, int index) {
    ScreenState& screen = program.screen;
    screen.yearLabel = ShiftedYear(screen.yearLabel, index == kCorrente ? 1 : -1);
}

void OptionDoc_Click(Program& program, int index) {
    ScreenState& screen = program.screen;
    if (index == kCertificazioni) {
        screen.dateFrameVisible = true;
        screen.date = platform::FormatShortDate(program.clock.Now(), program.environment.locale.shortDatePattern);
        screen.focus = "txtdata";
    } else {
        screen.dateFrameVisible = false;
        screen.date.clear();
    }
}

void OptOrdListAzi_Click(Program& program, int /*index*/) {
    ScreenState& screen = program.screen;
    screen.companies.clear();
    screen.companySelected.clear();
    screen.allCompanies = false;
    screen.allCompaniesCaption = kSelectAllCaption;
    Lista_Aziende(program);
    if (!screen.companies.empty()) {
        screen.currentCompany = 0;
        screen.focus = "ListAzi";
    }
}

void Form_KeyDown(Program& program, int keyCode, int shift) {
    if (keyCode == kKeyP && shift == kShiftAndCtrl) INFOPROGETTO(program);
}

void CmdUscita_Click(Program& program) { FINEPROGRAMMA(program); }

void Form_Unload(Program& program) { FINEPROGRAMMA(program); }

void TickKeepExistingPdfs(Program& program, bool ticked) { Tick(program, kRememberedTicks[0], ticked); }

void TickArchivalPdf(Program& program, bool ticked) { Tick(program, kRememberedTicks[1], ticked); }

void RecallSettings(Program& program) {
    if (program.settings == nullptr) return;
    for (const RememberedTick& tick : kRememberedTicks)
        program.screen.*tick.choice = program.settings->Read(tick.setting).value_or("0") == "1";
}

void TickAllMonths(Program& program, bool ticked) {
    if (program.screen.allMonths == ticked) return;
    program.screen.allMonths = ticked;
    CheckTutti_Click(program);
}

void TickAllCompanies(Program& program, bool ticked) {
    if (program.screen.allCompanies == ticked) return;
    program.screen.allCompanies = ticked;
    CheckAzi_Click(program);
}

void ChooseYear(Program& program, int index) {
    bool previous = index == kPrecedente;
    if (program.screen.previousYear == previous) return;
    program.screen.previousYear = previous;
    OptionAnno_Click(program, index);
}

void ChooseReport(Program& program, int index) {
    if (program.screen.report == index || !InRange(index, kReportCaptions.size())) return;
    program.screen.report = index;
    OptionDoc_Click(program, index);
}

void ChooseOutput(Program& program, int index) {
    program.screen.printerOutput = index == kStampaLaser;
}

void ChooseOrder(Program& program, int index) {
    bool byName = index == kOrderByName;
    if (program.screen.orderByName == byName) return;
    program.screen.orderByName = byName;
    platform::Guarded(program.services, [&] {
        OptOrdListAzi_Click(program, index);
        return 0;
    });
}

void SelectMonth(Program& program, int index, bool selected) {
    ScreenState& screen = program.screen;
    if (!screen.monthListEnabled || !InRange(index, screen.monthSelected.size())) return;
    screen.monthSelected[index] = selected;
    screen.currentMonth = index;
}

void SelectCompany(Program& program, int index, bool selected) {
    ScreenState& screen = program.screen;
    if (!InRange(index, screen.companySelected.size())) return;
    screen.companySelected[index] = selected;
    screen.currentCompany = index;
}

void TypeDate(Program& program, const std::string& text) { program.screen.date = text; }

}  // namespace kv::app
