#pragma once
// An index file listed by tests/isam_reader.py, the independent reader of the index format:
// one "key record" line per key, in key order.

#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "tests/support/test_support.hpp"

namespace kv::test {

inline CommandResult ListIndex(const std::filesystem::path& index, int keyLength) {
    return Python(ShellQuote(std::string(KV_SOURCE_DIR) + "/tests/isam_reader.py") + " " + ShellQuote(index.string()) +
                  " " + std::to_string(keyLength));
}

// key -> record number; a failing reader fails the test.
inline std::map<std::string, long> IndexKeys(const std::filesystem::path& index, int keyLength) {
    const CommandResult listed = ListIndex(index, keyLength);
    EXPECT_EQ(listed.status, 0) << listed.output;
    std::map<std::string, long> keys;
    std::istringstream lines(listed.output);
    std::string key;
    long record = 0;
    while (lines >> key >> record) keys[key] = record;
    return keys;
}

}  // namespace kv::test
