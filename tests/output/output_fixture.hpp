#pragma once
// A fresh output state over scratch folders: drive letters map into the test's folder, the writer
// and the printer record what they are asked to do, message boxes are scripted.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "archive/archive_state.hpp"
#include "output/output_state.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tests/support/test_support.hpp"
#include "tests/support_output/recording_printer.hpp"
#include "tests/support_output/recording_writer.hpp"

namespace kv::output {

class OutputFixture : public ::testing::Test {
protected:
    OutputFixture() {
        services.dialogs = &dialogs;
        state.printer = &printer;
        state.holderName = "STUDIO BIANCHI";
        state.decimalSeparator = ',';
    }

    // The company record in DITX: code at 3-5, name at 6-35, PDF password (T364) at 2483-2492.
    void SetCompany(const std::string& code, const std::string& name, const std::string& password = "") {
        std::string record(2600, ' ');
        record.replace(2, 3, code);
        record.replace(5, 30, (name + std::string(30, ' ')).substr(0, 30));
        record.replace(2482, 10, (password + std::string(10, ' ')).substr(0, 10));
        archive.buffers.DITX = record;
    }

    // The installation's fiscal record in FISX: owner password (F357) at 983-992.
    void SetOwnerPassword(const std::string& password) {
        std::string record(1000, ' ');
        record.replace(982, 10, (password + std::string(10, ' ')).substr(0, 10));
        archive.buffers.FISX = record;
    }

    // Points the archive folder at a folder that exists, as start-up would.
    void SetArchives(const std::string& folder) {
        archive.archiveFolder = folder;
        std::filesystem::create_directories(Host(folder));
    }

    std::filesystem::path Host(const std::string& path) const { return services.files.Resolve(path); }

    test::TempDir dir{"output"};
    platform::Services services{platform::Files(platform::DriveMap(dir.path() / "drives"))};
    archive::ArchiveState archive{services};
    platform::ScriptedDialogs dialogs;
    test::RecordingPrinter printer;
    std::shared_ptr<test::WriterLog> log = std::make_shared<test::WriterLog>();
    OutputState state{services, archive, test::RecordingWriter::Factory(log)};
};

}  // namespace kv::output
