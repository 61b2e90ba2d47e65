#pragma once
// A demo installation in a scratch folder (registry stand-in, drive folders, the archives start-up
// reads, period December 2025) and a program over it with scripted dialogs, a fixed printer list and
// a fixed clock (6 December 2026).

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/program.hpp"
#include "app/start_up.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/support/test_support.hpp"
#include "tools/demo/demo_companies.hpp"
#include "tools/demo/demo_writer.hpp"

namespace kv::test {

class DemoInstallationTest : public ::testing::Test {
protected:
    explicit DemoInstallationTest(const std::string& label = "installation")
        : dir_(label), writer_(std::make_unique<demo::DemoWriter>(dir_.path() / "demo")), paths_(writer_->paths()) {
        writer_->WriteStartUpPart();
        environment_.registryFile = paths_.registryFile;
        environment_.drivesRoot = paths_.drivesRoot;
        environment_.lockFile = dir_.path() / "kvvelm.lock";
    }

    // Replaces the company archive: record number = company code. Before the program starts.
    void WriteCompanies(const std::vector<demo::DemoCompany>& companies) {
        ASSERT_TRUE(writer_) << "companies are written before the program starts";
        writer_->WriteCompanies(companies);
    }

    // Closes the archives the installation writer holds; no more writing after this.
    void FinishInstallation() { writer_.reset(); }

    // A fresh program over the installation as it is now; StartProgram also runs start-up.
    app::Program& MakeProgram() {
        FinishInstallation();
        program_.reset();  // a started program holds the single-instance lock
        program_ = std::make_unique<app::Program>(environment_, ProgramDialogs(), printers_, clock_);
        return *program_;
    }
    app::Program& StartProgram() {
        app::StartUp(MakeProgram());
        return *program_;
    }

    // The company codes in list order.
    std::vector<std::string> ListedCodes() const {
        std::vector<std::string> codes;
        for (const app::CompanyEntry& entry : program_->screen.companies) codes.push_back(entry.code);
        return codes;
    }

    // The dialogs the program shows its message boxes with.
    virtual platform::Dialogs& ProgramDialogs() { return dialogs_; }

    // A file on drive C: of the installation.
    std::filesystem::path Drive(const std::string& relative) const { return paths_.drivesRoot / "c" / relative; }

    TempDir dir_;
    std::unique_ptr<demo::DemoWriter> writer_;
    demo::DemoPaths paths_;
    app::Environment environment_;
    platform::ScriptedDialogs dialogs_;
    platform::FixedPrinters printers_{{"KVVELM_Laser"}, "KVVELM_Laser"};
    platform::FixedClock clock_{platform::LocalDateTime{2026, 12, 6, 9, 30, 0, 60}};
    std::unique_ptr<app::Program> program_;
};

// How many archive files a program holds open.
inline int OpenFiles(const app::Program& program) {
    int open = 0;
    for (const archive::FileEntry& entry : program.archive.files) open += entry.handle != 0;
    return open;
}

// A live company with only a code and a name.
inline demo::DemoCompany Company(int code, const std::string& name, const std::string& status = "00") {
    demo::DemoCompany company{};
    company.code = code;
    company.status = status;
    company.name = name;
    return company;
}

}  // namespace kv::test
