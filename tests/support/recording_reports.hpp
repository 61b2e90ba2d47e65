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

    app::ReportOutcome Elenco_Documenti(const app::ReportRequest& r) override { return Record("documenti", r); }
    app::ReportOutcome Registro_Compensi_Terzi(const app::ReportRequest& r) override { return Record("registro", r); }
    app::ReportOutcome Elenco_Percipienti_Stampa(const app::ReportRequest& r) override {
        return Record("percipienti", r);
    }
    app::ReportOutcome Elenco_Certificazioni(const app::ReportRequest& r) override {
        return Record("certificazioni", r);
    }

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
