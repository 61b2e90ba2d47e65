#pragma once
// Report drivers that record each call: the driver asked, the request, and what the program showed
// during it; `during` acts while the report runs.

#include <functional>
#include <string>
#include <vector>

#include "app/program.hpp"
#include "app/report_request.hpp"

namespace kv::test {

class RecordingReports : public app::ReportDrivers {
public:
    struct Call {
        std::string driver;  // "documenti", "registro", "percipienti", "certificazioni"
        app::ReportRequest request;
        bool waitPanelShown;
        bool MODOPDF;
    };

    using Outcome = app::ReportOutcome;
    using Request = const app::ReportRequest&;
    Outcome Elenco_Documenti(Request r) override { return Record("documenti", r); }
    Outcome Registro_Compensi_Terzi(Request r) override { return Record("registro", r); }
    Outcome Elenco_Percipienti_Stampa(Request r) override { return Record("percipienti", r); }
    Outcome Elenco_Certificazioni(Request r) override { return Record("certificazioni", r); }

    const app::Program* program = nullptr;  // the program whose output target is watched
    std::function<bool()> panelShown;       // whether the wait panel shows; the screen model's when unset
    std::function<void(const app::ReportRequest&)> during;
    std::vector<Call> calls;

private:
    app::ReportOutcome Record(const char* driver, const app::ReportRequest& request) {
        const bool shown = panelShown ? panelShown() : program && program->screen.waitPanelVisible;
        calls.push_back(Call{driver, request, shown, program && program->output.MODOPDF});
        if (during) during(request);
        return app::ReportOutcome{};
    }
};

}  // namespace kv::test
