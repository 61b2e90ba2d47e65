// Index files we write, read back by tests/isam_reader.py, a reader of the format that shares
// no code with ours.

#include <random>

#include "isam_fixture.hpp"
#include "tests/support/isam_listing.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;

class IsamReader : public IsamFixture {};

TEST_F(IsamReader, ListsEveryKeyOfAnIndexWithSeveralLeaves) {
    ASSERT_EQ(Isam(kIndex, "", kCreate), 0);
    std::mt19937 random(66);
    std::map<std::string, long> keys;
    while (keys.size() < 3000) {
        std::string key = Key(random() % 100000000);
        if (keys.emplace(key, static_cast<long>(keys.size()) + 1).second) {
            ASSERT_EQ(Isam(kIndex, key, kInsert, keys[key]), 0);
        }
    }
    for (int i = 0; i < 500; ++i) {  // some deletes, so leaves are not all full halves
        auto victim = std::next(keys.begin(), static_cast<long>(random() % keys.size()));
        ASSERT_EQ(Isam(kIndex, victim->first, kDelete), 0);
        keys.erase(victim);
    }
    EXPECT_EQ(IndexKeys(PathOf("PARCI.IDX"), kKeyLength), keys);
}

TEST_F(IsamReader, EmptyIndexListsNothingAndDamageIsRefused) {
    ASSERT_EQ(Isam(kShortIndex, "", kCreate), 0);
    CommandResult empty = ListIndex(PathOf("SHORT.IDX"), 4);
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.output, "");
    ASSERT_EQ(Isam(kShortIndex, "abcd", kInsert, 12), 0);
    EXPECT_EQ(ListIndex(PathOf("SHORT.IDX"), 4).output, "abcd 12\n");

    std::string bytes = ReadFile(PathOf("SHORT.IDX"));
    WriteFile(PathOf("BAD.IDX"), bytes.substr(0, bytes.size() - 10));
    EXPECT_EQ(ListIndex(PathOf("BAD.IDX"), 4).status, 1);
    bytes[4 + 1 + 5] = '9';  // root pointer 000002 -> 000009
    WriteFile(PathOf("BAD.IDX"), bytes);
    CommandResult outside = ListIndex(PathOf("BAD.IDX"), 4);
    EXPECT_EQ(outside.status, 1);
    EXPECT_NE(outside.output.find("node 9 lies outside the file"), std::string::npos) << outside.output;
}

}  // namespace
}  // namespace kv::test
