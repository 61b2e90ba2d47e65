#pragma once
// A demo installation in a scratch folder and a Program over it, with scripted dialogs and a
// given printer list, for the start-up tests.

#include <gtest/gtest.h>

#include <memory>

#include "app/program.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/support/test_support.hpp"
#include "tools/demo/demo_writer.hpp"

namespace kv::app {

class InstallationTest : public ::testing::Test {
protected:
    InstallationTest() : dir_("app"), demo_(dir_.path() / "demo") {
        {
            demo::DemoWriter writer(demo_.root);
            writer.WriteStartUpPart();
        }
        environment_.registryFile = demo_.registryFile;
        environment_.drivesRoot = demo_.drivesRoot;
        environment_.lockFile = dir_.path() / "kvvelm.lock";
    }

    // A fresh program over the installation as it is now.
    Program& MakeProgram() {
        program_ = std::make_unique<Program>(environment_, dialogs_, printers_, clock_);
        return *program_;
    }

    std::filesystem::path Drive(const std::string& relative) const {
        return demo_.drivesRoot / "c" / relative;
    }

    void WriteRegistry(const std::string& archives, const std::string& programs) {
        test::WriteFile(demo_.registryFile,
                        "Windows Registry Editor Version 5.00\r\n\r\n"
                        "[HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO]\r\n"
                        "\"PERCORSOARCHIVI\"=\"" + archives + "\"\r\n"
                        "\"PERCORSOPROGRAMMI\"=\"" + programs + "\"\r\n");
    }

    test::TempDir dir_;
    demo::DemoPaths demo_;
    Environment environment_;
    platform::ScriptedDialogs dialogs_;
    platform::FixedPrinters printers_{{"Ufficio_Inkjet", "KVVELM_Laser"}, "Ufficio_Inkjet"};
    platform::FixedClock clock_{platform::LocalDateTime{2026, 12, 6, 9, 30, 0, 60}};
    std::unique_ptr<Program> program_;
};

}  // namespace kv::app
