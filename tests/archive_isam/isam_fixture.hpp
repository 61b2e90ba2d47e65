#pragma once
// An archive folder with its own base file, for index tests: logical file 66 is an index of
// 13-character keys (record length 2560), 67 one of 4-character keys (1408).

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "archive/archive_state.hpp"
#include "archive/isam.hpp"
#include "platform/scripted_dialogs.hpp"
#include "tools/demo/base_layout.hpp"
#include "tests/support/test_support.hpp"

namespace kv::test {

inline constexpr double kIndex = 66;      // 13-character keys
inline constexpr double kShortIndex = 67;  // 4-character keys
inline constexpr int kKeyLength = 13;

class IsamFixture : public ::testing::Test {
protected:
    IsamFixture();

    // Rewrites the base file row of a logical file: its name template and record length.
    void SetBaseRow(int logicalFile, const std::string& nameTemplate, int recordLength);
    std::filesystem::path PathOf(const std::string& name) const { return dir / name; }

    double Isam(double file, const std::string& key, double code, double record = 0) {
        return archive::ISAM(state, file, key, code, record);
    }
    // A 13-digit key from a number.
    static std::string Key(long long number);
    // The message texts shown so far.
    std::vector<std::string> Messages() const { return dialogs.texts(); }
    // Every key of the index reached by read-next from a blank key, with its record.
    std::map<std::string, double> Walk(double file, int keyLength, size_t limit = 1000000);

    TempDir dir{"archive_isam"};
    platform::ScriptedDialogs dialogs;
    platform::Services services;
    archive::ArchiveState state;
    std::vector<demo::BaseRow> baseRows;  // rows written to the base file so far
};

}  // namespace kv::test
