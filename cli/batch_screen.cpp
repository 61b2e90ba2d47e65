#include "cli/batch_screen.hpp"

#include "app/screen_controls.hpp"
#include "app/screen_reactions.hpp"

namespace kv::cli {

namespace {

int ReportIndex(const std::string& report) {
    if (report == "documenti") return app::kElencoDocumenti;
    if (report == "registro") return app::kRegistroCompensi;
    if (report == "percipienti") return app::kElencoPercipienti;
    return app::kCertificazioni;
}

int ListPosition(const app::ScreenState& screen, const std::string& code) {
    for (std::size_t i = 0; i < screen.companies.size(); ++i) {
        if (screen.companies[i].code == code) return static_cast<int>(i);
    }
    return -1;
}

// "tutte" ticks "Seleziona tutte le ditte"; codes select their entries one by one.
std::string SetCompanies(app::Program& program, const BatchOptions& options) {
    if (options.allCompanies) {
        app::TickAllCompanies(program, true);
        return "";
    }
    for (const std::string& code : options.companies) {
        int position = ListPosition(program.screen, code);
        if (position < 0) return "--ditte: nessuna ditta attiva con codice " + code + " nell'elenco";
        app::SelectCompany(program, position, true);
    }
    return "";
}

// No months named: "Tutti i Mesi" stays ticked. Otherwise unticked, then each month selected.
void SetMonths(app::Program& program, const BatchOptions& options) {
    if (options.months.empty()) {
        app::TickAllMonths(program, true);
        return;
    }
    app::TickAllMonths(program, false);
    for (int month : options.months) app::SelectMonth(program, month - 1, true);
}

std::string SetDate(app::Program& program, const BatchOptions& options) {
    if (!options.date) return "";
    if (!program.screen.dateFrameVisible) {
        return "--data (la data delle certificazioni) richiede --report certificazioni";
    }
    app::TypeDate(program, *options.date);
    return "";
}

}  // namespace

std::string SetScreenFromOptions(app::Program& program, const BatchOptions& options) {
    app::ChooseOrder(program, options.order == "ragione" ? app::kOrderByName : app::kOrderByCode);
    if (std::string problem = SetCompanies(program, options); !problem.empty()) return problem;
    app::ChooseYear(program, options.year == "corrente" ? app::kCorrente : app::kPrecedente);
    SetMonths(program, options);
    if (options.report) app::ChooseReport(program, ReportIndex(*options.report));
    if (std::string problem = SetDate(program, options); !problem.empty()) return problem;
    app::ChooseOutput(program, options.output == "stampa" ? app::kStampaLaser : app::kCreaPdf);
    app::TickKeepExistingPdfs(program, options.keepExisting);  // per run: the settings are not read
    app::TickArchivalPdf(program, options.archival);
    return "";
}

}  // namespace kv::cli
