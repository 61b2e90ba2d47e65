#include "app/screen_reset.hpp"

#include "app/screen_controls.hpp"
#include "app/screen_reactions.hpp"

namespace kv::app {

void Form_Impostazioni_Iniziali(Program& program) {
    ScreenState& screen = program.screen;
    screen.waitPanelVisible = false;
    screen.waitPanelCaption.clear();
    screen.companySelected.assign(screen.companies.size(), false);
    screen.currentCompany = -1;
    ChooseYear(program, kPrecedente);
    TickAllMonths(program, true);
    screen.report = -1;
    ChooseOutput(program, kStampaLaser);
}

}  // namespace kv::app
