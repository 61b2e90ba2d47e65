#pragma once
// A demo installation in a scratch folder with companies of the test's choosing, a started
// program over it with scripted dialogs, and report drivers that record what they were asked.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/program.hpp"
#include "app/report_request.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/support/test_support.hpp"
#include "tools/demo/demo_companies.hpp"
#include "tools/demo/demo_writer.hpp"

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

// The demo's companies: period 31/12/2025, so the year label starts at 2024.
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest();

    // Replaces the company archive: record number = company code.
    void WriteCompanies(const std::vector<demo::DemoCompany>& companies);

    // Closes the archives the installation writer holds; no more writing after this.
    void FinishInstallation() { writer_.reset(); }

    // A fresh program over the installation, started up.
    Program& StartProgram();

    // The company codes in list order.
    std::vector<std::string> ListedCodes() const;

    test::TempDir dir_;
    std::unique_ptr<demo::DemoWriter> writer_;
    Environment environment_;
    platform::ScriptedDialogs dialogs_;
    platform::FixedPrinters printers_{{"KVVELM_Laser"}, "KVVELM_Laser"};
    platform::FixedClock clock_{platform::LocalDateTime{2026, 12, 6, 9, 30, 0, 60}};
    std::unique_ptr<Program> program_;
};

// A live company with only a code and a name.
demo::DemoCompany Company(int code, const std::string& name, const std::string& status = "00");

}  // namespace kv::app
