#include "tests/support/batch_run.hpp"

#include <unistd.h>

#include <gtest/gtest.h>

#include "tools/demo/fee_note_writer.hpp"

namespace kv::test {

namespace fs = std::filesystem;

namespace {

const fs::path kBatch = fs::path(KV_BINARY_DIR) / "cli" / "kvvelm-batch";

}  // namespace

BatchInstallation::BatchInstallation(const std::string& label, int feeNoteScale)
    : dir(label), demo(dir.path() / "demo") {
    demo::DemoWriter writer(demo.root);
    writer.WriteStartUpPart();
    if (feeNoteScale > 0) demo::WriteFeeNotePart(writer, demo::FeeNoteOptions{feeNoteScale});
}

CommandResult BatchInstallation::Batch(const std::string& arguments, const std::string& runner) const {
    EXPECT_TRUE(fs::exists(kBatch)) << "build kvvelm-batch first";
    const std::string environment =
        (printers.empty() ? "-u KVVELM_PRINTERS " : "KVVELM_PRINTERS=" + ShellQuote(printers) + " ") +
        "LC_ALL=C KVVELM_REGISTRY=" + ShellQuote(demo.registryFile.string()) +
        " KVVELM_DRIVES=" + ShellQuote(drives.string()) + " KVVELM_LOCK=" + ShellQuote(LockFile().string()) + " ";
    return Run(runner + "env " + environment + ShellQuote(kBatch.string()) + " " + arguments + " </dev/null");
}

std::string BatchInstallation::BatchApart(const std::string& arguments, CommandResult& result,
                                          const std::string& runner) const {
    const fs::path err = dir.path() / "stderr.txt";
    fs::remove(err);
    result = Batch(arguments + " 2>" + ShellQuote(err.string()) + "; }", "{ " + runner);
    return fs::exists(err) ? ReadFile(err) : std::string();
}

std::map<std::string, std::string> BatchInstallation::Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path());
    return files;
}

std::string AsNobody() { return ::geteuid() == 0 ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : ""; }

}  // namespace kv::test
