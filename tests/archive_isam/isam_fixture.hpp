#pragma once
// An archive folder with its own base file, for index tests: logical file 66 is an index of
// 13-character keys (record length 2560), 67 one of 4-character keys (1408). Errors reach the test
// as run-time errors: no error reporter.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "archive/isam.hpp"
#include "tests/support/archive_fixture.hpp"

namespace kv::test {

inline constexpr double kIndex = 66;      // 13-character keys
inline constexpr double kShortIndex = 67;  // 4-character keys
inline constexpr int kKeyLength = 13;
inline constexpr size_t kEntrySize = kKeyLength + 7;  // key, level digit, six-digit pointer
inline constexpr size_t kNodeSize = 128 * kEntrySize;

class IsamFixture : public ::testing::Test {
protected:
    IsamFixture() { fx.services.reporter = nullptr; }

    std::filesystem::path PathOf(const std::string& name) const { return fx.Folder() / name; }

    double Isam(double file, const std::string& key, double code, double record = 0) {
        return archive::ISAM(state, file, key, code, record);
    }
    // A 13-digit key from a number.
    static std::string Key(long long number) {
        char text[16];
        std::snprintf(text, sizeof text, "%013lld", number);
        return text;
    }
    // The message texts shown so far.
    std::vector<std::string> Messages() const { return fx.dialogs.texts(); }
    // Every key of the index reached by read-next from a blank key, with its record.
    std::map<std::string, double> Walk(double file, int keyLength) {
        std::map<std::string, double> keys;
        std::string key(static_cast<size_t>(keyLength), ' ');
        for (double record; (record = Isam(file, key, archive::isam::kReadNext)) != archive::isam::kEnd;) {
            key = state.CHIAVETROVATA;
            if (!keys.emplace(key, record).second) {
                ADD_FAILURE() << "key reached twice: " << key;
                break;
            }
        }
        return keys;
    }

    ArchiveFixture fx{{{66, {"PARCI.IDX", kNodeSize}}, {67, {"SHORT.IDX", 128 * (4 + 7)}}}};
    archive::ArchiveState& state = fx.state;
    platform::ScriptedDialogs& dialogs = fx.dialogs;
};

}  // namespace kv::test
