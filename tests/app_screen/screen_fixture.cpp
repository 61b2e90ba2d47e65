#include "tests/app_screen/screen_fixture.hpp"

#include "app/start_up.hpp"
#include "tools/demo/base_layout.hpp"

namespace kv::app {

ScreenTest::ScreenTest()
    : dir_("app_screen"), writer_(std::make_unique<demo::DemoWriter>(dir_.path() / "demo")) {
    writer_->WriteStartUpPart();
    const demo::DemoPaths& paths = writer_->paths();
    environment_.registryFile = paths.registryFile;
    environment_.drivesRoot = paths.drivesRoot;
    environment_.lockFile = dir_.path() / "kvvelm.lock";
}

void ScreenTest::WriteCompanies(const std::vector<demo::DemoCompany>& companies) {
    ASSERT_TRUE(writer_) << "companies are written before the program starts";
    writer_->WriteCompanies(companies);
}

Program& ScreenTest::StartProgram() {
    FinishInstallation();
    program_.reset();
    program_ = std::make_unique<Program>(environment_, dialogs_, printers_, clock_);
    StartUp(*program_);
    return *program_;
}

std::vector<std::string> ScreenTest::ListedCodes() const {
    std::vector<std::string> codes;
    for (const CompanyEntry& entry : program_->screen.companies) codes.push_back(entry.code);
    return codes;
}

demo::DemoCompany Company(int code, const std::string& name, const std::string& status) {
    demo::DemoCompany company{};
    company.code = code;
    company.status = status;
    company.name = name;
    return company;
}

}  // namespace kv::app
