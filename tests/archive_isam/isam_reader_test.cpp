// Index files we write, read back by tests/isam_reader.py, a reader of the format that shares
// no code with ours.

#include <random>
#include <sstream>

#include "isam_fixture.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;

CommandResult ReadWithPython(const std::filesystem::path& index, int keyLength) {
    return Python(ShellQuote(std::string(KV_SOURCE_DIR) + "/tests/isam_reader.py") + " " +
                  ShellQuote(index.string()) + " " + std::to_string(keyLength));
}

std::string Listing(const std::map<std::string, double>& keys) {
    std::ostringstream out;
    for (const auto& [key, record] : keys) out << key << ' ' << static_cast<long long>(record) << '\n';
    return out.str();
}

class IsamReader : public IsamFixture {};

TEST_F(IsamReader, ListsEveryKeyOfAnIndexWithSeveralLeaves) {
    ASSERT_EQ(Isam(kIndex, "", kCreate), 0);
    std::mt19937 random(66);
    std::map<std::string, double> keys;
    while (keys.size() < 3000) {
        std::string key = Key(random() % 100000000);
        if (keys.emplace(key, keys.size() + 1).second) {
            ASSERT_EQ(Isam(kIndex, key, kInsert, keys[key]), 0);
        }
    }
    for (int i = 0; i < 500; ++i) {  // some deletes, so leaves are not all full halves
        auto victim = std::next(keys.begin(), static_cast<long>(random() % keys.size()));
        ASSERT_EQ(Isam(kIndex, victim->first, kDelete), 0);
        keys.erase(victim);
    }
    CommandResult read = ReadWithPython(PathOf("PARCI.IDX"), kKeyLength);
    ASSERT_EQ(read.status, 0) << read.output;
    EXPECT_EQ(read.output, Listing(keys));
}

TEST_F(IsamReader, EmptyIndexListsNothingAndDamageIsRefused) {
    ASSERT_EQ(Isam(kShortIndex, "", kCreate), 0);
    CommandResult empty = ReadWithPython(PathOf("SHORT.IDX"), 4);
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.output, "");
    ASSERT_EQ(Isam(kShortIndex, "abcd", kInsert, 12), 0);
    EXPECT_EQ(ReadWithPython(PathOf("SHORT.IDX"), 4).output, "abcd 12\n");

    std::string bytes = ReadFile(PathOf("SHORT.IDX"));
    WriteFile(PathOf("BAD.IDX"), bytes.substr(0, bytes.size() - 10));
    EXPECT_EQ(ReadWithPython(PathOf("BAD.IDX"), 4).status, 1);
    bytes[4 + 1 + 5] = '9';  // root pointer 000002 -> 000009
    WriteFile(PathOf("BAD.IDX"), bytes);
    CommandResult outside = ReadWithPython(PathOf("BAD.IDX"), 4);
    EXPECT_EQ(outside.status, 1);
    EXPECT_NE(outside.output.find("node 9 lies outside the file"), std::string::npos) << outside.output;
}

}  // namespace
}  // namespace kv::test
