#include "tests/support/demo_installation.hpp"

#include "app/start_up.hpp"

namespace kv::test {

DemoInstallationTest::DemoInstallationTest(const std::string& label)
    : dir_(label), writer_(std::make_unique<demo::DemoWriter>(dir_.path() / "demo")), paths_(writer_->paths()) {
    writer_->WriteStartUpPart();
    environment_.registryFile = paths_.registryFile;
    environment_.drivesRoot = paths_.drivesRoot;
    environment_.lockFile = dir_.path() / "kvvelm.lock";
}

void DemoInstallationTest::WriteCompanies(const std::vector<demo::DemoCompany>& companies) {
    ASSERT_TRUE(writer_) << "companies are written before the program starts";
    writer_->WriteCompanies(companies);
}

app::Program& DemoInstallationTest::MakeProgram() {
    FinishInstallation();
    program_.reset();  // a started program holds the single-instance lock
    program_ = std::make_unique<app::Program>(environment_, ProgramDialogs(), printers_, clock_);
    return *program_;
}

app::Program& DemoInstallationTest::StartProgram() {
    app::StartUp(MakeProgram());
    return *program_;
}

std::vector<std::string> DemoInstallationTest::ListedCodes() const {
    std::vector<std::string> codes;
    for (const app::CompanyEntry& entry : program_->screen.companies) codes.push_back(entry.code);
    return codes;
}

int OpenFiles(const app::Program& program) {
    int open = 0;
    for (const archive::FileEntry& entry : program.archive.files) open += entry.handle != 0;
    return open;
}

demo::DemoCompany Company(int code, const std::string& name, const std::string& status) {
    demo::DemoCompany company{};
    company.code = code;
    company.status = status;
    company.name = name;
    return company;
}

}  // namespace kv::test
