// Index files laid out byte by byte here, as another program of the suite might write them
// (nodes in any record order, a leaf with no free entry), read through ISAM.

#include "archive/file_open.hpp"
#include "isam_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;
using Entries = std::vector<std::pair<std::string, int>>;

// A node of 4-character keys: the entries, then free entries up to 128.
std::string Node(char level, const Entries& entries) {
    std::string node;
    for (const auto& [key, pointer] : entries) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%06d", pointer);
        node += key + level + digits;
    }
    while (node.size() < 128 * 11) node += std::string(4, static_cast<char>(252)) + level + "000000";
    return node;
}

std::string ShortKey(char group, int number) {
    char key[8];
    std::snprintf(key, sizeof key, "%c%03d", group, number);
    return key;
}

class IsamForeign : public IsamFixture {
protected:
    // Root (1) -> level-2 nodes 6 and 2; leaves 3 (full: A000-A127), 5 (B000-B002), 4 (C000).
    void SetUp() override {
        Entries full;
        for (int i = 0; i < 128; ++i) full.emplace_back(ShortKey('A', i), 1000 + i);
        std::string file = Node('1', {{"B002", 6}, {"C000", 2}}) + Node('2', {{"C000", 4}}) + Node('3', full) +
                           Node('3', {{"C000", 7}}) + Node('3', {{"B000", 1}, {"B001", 2}, {"B002", 3}}) +
                           Node('2', {{"A127", 3}, {"B002", 5}});
        WriteFile(PathOf("SHORT.IDX"), file);
        archive::FAIOPEN(state, kShortIndex);
    }
};

TEST_F(IsamForeign, WalkFindAndReadNextAcrossLeavesAndMiddleNodes) {
    std::map<std::string, double> expected;
    for (int i = 0; i < 128; ++i) expected[ShortKey('A', i)] = 1000 + i;
    expected.insert({{"B000", 1}, {"B001", 2}, {"B002", 3}, {"C000", 7}});
    EXPECT_EQ(Walk(kShortIndex, 4), expected);

    EXPECT_EQ(Isam(kShortIndex, "A127", kFind), 1127);
    EXPECT_EQ(Isam(kShortIndex, "B001", kFind), 2);
    EXPECT_EQ(Isam(kShortIndex, "A999", kFind), -1);
    EXPECT_EQ(Isam(kShortIndex, "D000", kFind), -1);
    EXPECT_EQ(Isam(kShortIndex, "A127", kReadNext), 1);  // full leaf -> next leaf
    EXPECT_EQ(Isam(kShortIndex, "B002", kReadNext), 7);  // last leaf of a level-2 node -> next node
    EXPECT_EQ(state.CHIAVETROVATA, "C000");
    EXPECT_EQ(Isam(kShortIndex, "C000", kReadNext), kEnd);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(IsamForeign, UpdatesLeaveAFullNodeAloneAndWorkElsewhere) {
    const std::string before = ReadFile(PathOf("SHORT.IDX"));
    EXPECT_NE(ErrorOf([&] { Isam(kShortIndex, "A05X", kInsert, 9); }).description().find("node 3 has no free entry"),
              std::string::npos);
    EXPECT_EQ(ReadFile(PathOf("SHORT.IDX")), before);

    EXPECT_EQ(Isam(kShortIndex, "B005", kInsert, 9), 0);  // goes to the leaf of C000, the first key above
    EXPECT_EQ(Isam(kShortIndex, "B004", kReadNext), 9);
    EXPECT_EQ(ReadFile(PathOf("SHORT.IDX")).substr(3 * 1408, 22), "B0053000009C0003000007");
    EXPECT_EQ(Isam(kShortIndex, "B002", kDelete), 0);
    EXPECT_EQ(Isam(kShortIndex, "A127", kDelete), 0);
    EXPECT_EQ(Isam(kShortIndex, "A126", kReadNext), 1);
    std::string after = ReadFile(PathOf("SHORT.IDX"));
    EXPECT_EQ(after.substr(0, 11), "B0011000006");         // root key follows its level-2 node
    EXPECT_EQ(after.substr(5 * 1408, 11), "A1262000003");  // level-2 key follows the leaf
}

}  // namespace
}  // namespace kv::test
