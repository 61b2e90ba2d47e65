#pragma once
// The demo installation in a scratch folder and kvvelm-batch run on it as a user would, for the
// suites that run the program itself: the environment that points it at the installation, standard
// error apart when asked, and snapshots of files to show a run left them as they were.

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/test_support.hpp"
#include "tools/demo/demo_writer.hpp"

namespace kv::test {

class BatchInstallation {
public:
    // The start-up part of the demo installation, and its fee notes multiplied by `feeNoteScale`
    // unless it is 0.
    BatchInstallation(const std::string& label, int feeNoteScale);

    // kvvelm-batch with `arguments`; `runner` goes before the command (setpriv, timeout).
    CommandResult Batch(const std::string& arguments, const std::string& runner = "") const;
    // The same with standard error returned apart; standard output in `result.output`.
    std::string BatchApart(const std::string& arguments, CommandResult& result, const std::string& runner = "") const;

    // Every file under `folder` (recursively) with its bytes.
    static std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder);

    std::filesystem::path LockFile() const { return dir.path() / "kvvelm.lock"; }
    std::filesystem::path PdfRoot() const { return demo.root / "FILE-PDF"; }

    TempDir dir;
    demo::DemoPaths demo;
    std::filesystem::path drives = demo.drivesRoot;
    std::string printers = "KVVELM_Laser";  // KVVELM_PRINTERS; empty: the system's own printers
};

// Root when the tests run as root: runs a command as nobody, who cannot write the test's files.
std::string AsNobody();

}  // namespace kv::test
