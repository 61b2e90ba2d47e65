#pragma once
// The report drivers as the window calls them: around the real drivers it shows the wait panel
// before the report starts and, while it runs, advances the panel's progress bar each time a
// company's document is begun (PDF) or a company's print job ends (printer).

#include <functional>
#include <memory>

#include "app/report_request.hpp"
#include "output/output_state.hpp"

namespace kv::gui {

// What the window does for a running report. Each call may repaint at once: the report runs on
// the window's thread, so nothing else repaints until it returns.
struct WaitPanelHooks {
    std::function<void(int companies)> shown;  // the panel is up; companies chosen (0: unknown)
    std::function<void()> advanced;            // one more company done
    std::function<void()> hidden;              // the report hid the panel before its message
};

class ReportRun : public app::ReportDrivers {
public:
    ReportRun(app::ReportDrivers& reports, output::OutputState& output, WaitPanelHooks hooks)
        : reports_(reports), output_(output), hooks_(std::move(hooks)) {}

    app::ReportOutcome Elenco_Documenti(const app::ReportRequest& request) override;
    app::ReportOutcome Registro_Compensi_Terzi(const app::ReportRequest& request) override;
    app::ReportOutcome Elenco_Percipienti_Stampa(const app::ReportRequest& request) override;
    app::ReportOutcome Elenco_Certificazioni(const app::ReportRequest& request) override;

private:
    using Driver = app::ReportOutcome (app::ReportDrivers::*)(const app::ReportRequest&);
    app::ReportOutcome Run(Driver driver, const app::ReportRequest& request);

    app::ReportDrivers& reports_;
    output::OutputState& output_;
    WaitPanelHooks hooks_;
};

}  // namespace kv::gui
