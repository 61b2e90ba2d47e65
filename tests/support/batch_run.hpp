#pragma once
// The demo installation in a scratch folder and kvvelm-batch run on it as a user would, for the
// suites that run the program itself: the environment that points it at the installation, standard
// error apart when asked, and snapshots of files to show a run left them as they were.

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/test_support.hpp"
#include "tools/demo/demo_writer.hpp"
#include "tools/demo/fee_note_writer.hpp"

namespace kv::test {

class BatchInstallation {
public:
    // The start-up part of the demo installation, and its fee notes multiplied by `feeNoteScale`
    // unless it is 0.
    BatchInstallation(const std::string& label, int feeNoteScale) : dir(label), demo(dir.path() / "demo") {
        demo::DemoWriter writer(demo.root);
        writer.WriteStartUpPart();
        if (feeNoteScale > 0) demo::WriteFeeNotePart(writer, demo::FeeNoteOptions{feeNoteScale});
    }

    // kvvelm-batch with `arguments`; `runner` goes before the command (setpriv, timeout).
    CommandResult Batch(const std::string& arguments, const std::string& runner = "") const {
        const std::filesystem::path batch = std::filesystem::path(KV_BINARY_DIR) / "cli" / "kvvelm-batch";
        EXPECT_TRUE(std::filesystem::exists(batch)) << "build kvvelm-batch first";
        const std::string environment =
            (printers.empty() ? "-u KVVELM_PRINTERS " : "KVVELM_PRINTERS=" + ShellQuote(printers) + " ") +
            "LC_ALL=C KVVELM_REGISTRY=" + ShellQuote(demo.registryFile.string()) +
            " KVVELM_DRIVES=" + ShellQuote(drives.string()) + " KVVELM_LOCK=" + ShellQuote(LockFile().string()) + " ";
        return Run(runner + "env " + environment + ShellQuote(batch.string()) + " " + arguments + " </dev/null");
    }
    // The same with standard error returned apart; standard output in `result.output`.
    std::string BatchApart(const std::string& arguments, CommandResult& result, const std::string& runner = "") const {
        const std::filesystem::path err = dir.path() / "stderr.txt";
        std::filesystem::remove(err);
        result = Batch(arguments + " 2>" + ShellQuote(err.string()) + "; }", "{ " + runner);
        return std::filesystem::exists(err) ? ReadFile(err) : std::string();
    }

    // Every file under `folder` (recursively) with its bytes.
    static std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder) {
        std::map<std::string, std::string> files;
        for (const std::filesystem::path& file : FilesUnder(folder)) files[file.string()] = ReadFile(file);
        return files;
    }

    std::filesystem::path LockFile() const { return dir.path() / "kvvelm.lock"; }
    std::filesystem::path PdfRoot() const { return demo.root / "FILE-PDF"; }

    TempDir dir;
    demo::DemoPaths demo;
    std::filesystem::path drives = demo.drivesRoot;
    std::string printers = "KVVELM_Laser";  // KVVELM_PRINTERS; empty: the system's own printers
};

// Root when the tests run as root: runs a command as nobody, who cannot write the test's files.
inline std::string AsNobody() {
    return ::geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
}

}  // namespace kv::test
