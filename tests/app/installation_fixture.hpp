#pragma once
// The start-up tests' installation: two printers, the inkjet the system's default, and a way to
// rewrite the registry stand-in.

#include "tests/support/demo_installation.hpp"

namespace kv::app {

class InstallationTest : public test::DemoInstallationTest {
protected:
    InstallationTest() {
        FinishInstallation();
        printers_ = platform::FixedPrinters({"Ufficio_Inkjet", "KVVELM_Laser"}, "Ufficio_Inkjet");
    }

    void WriteRegistry(const std::string& archives, const std::string& programs) {
        test::WriteFile(paths_.registryFile,
                        "Windows Registry Editor Version 5.00\r\n\r\n"
                        "[HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO]\r\n"
                        "\"PERCORSOARCHIVI\"=\"" + archives + "\"\r\n"
                        "\"PERCORSOPROGRAMMI\"=\"" + programs + "\"\r\n");
    }

    const demo::DemoPaths& demo_ = paths_;
};

}  // namespace kv::app
