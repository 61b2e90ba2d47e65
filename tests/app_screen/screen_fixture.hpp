#pragma once
// The screen tests' installation, and report drivers that record what they were asked.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/program.hpp"
#include "app/report_request.hpp"
#include "tests/support/demo_installation.hpp"

namespace kv::app {

// Report drivers that record each call with the wait panel and output target during it.
class RecordingReports : public ReportDrivers {
public:
    struct Call {
        std::string report;
        ReportRequest request;
        bool waitPanelShown;
        bool MODOPDF;
    };

    ReportOutcome Elenco_Documenti(const ReportRequest& r) override { return Record("documenti", r); }
    ReportOutcome Registro_Compensi_Terzi(const ReportRequest& r) override {
        return Record("registro", r);
    }
    ReportOutcome Elenco_Percipienti_Stampa(const ReportRequest& r) override {
        return Record("percipienti", r);
    }
    ReportOutcome Elenco_Certificazioni(const ReportRequest& r) override {
        return Record("certificazioni", r);
    }

    const Program* program = nullptr;  // the program whose screen and output state are watched
    std::vector<Call> calls;
    ReportOutcome outcome;

private:
    ReportOutcome Record(const char* name, const ReportRequest& request) {
        calls.push_back(Call{name, request, program && program->screen.waitPanelVisible,
                             program && program->output.MODOPDF});
        return outcome;
    }
};

using ScreenTest = test::DemoInstallationTest;
using test::Company;

}  // namespace kv::app
