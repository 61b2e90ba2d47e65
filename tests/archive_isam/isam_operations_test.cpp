// Create, insert, find, delete and read-next on small indexes, with the node bytes checked where the
// file format is at stake; index files laid out byte by byte here, as another program of the suite
// might write them (nodes in any record order, a leaf with no free entry), read through ISAM.

#include <algorithm>

#include "archive/file_open.hpp"
#include "isam_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;

const std::string kSentinel(kKeyLength, static_cast<char>(252));

std::string FreeEntry(char level) { return kSentinel + level + "000000"; }

// Entry i (from 1) of node r (from 1) of an index file's bytes.
std::string EntryOf(const std::string& file, int node, int entry) {
    return file.substr((node - 1) * kNodeSize + (entry - 1) * kEntrySize, kEntrySize);
}

// The used entries of a node, read from the bytes.
std::vector<std::string> UsedEntries(const std::string& file, int node) {
    std::vector<std::string> used;
    for (int entry = 1; entry <= 128; ++entry) {
        std::string text = EntryOf(file, node, entry);
        if (text[0] == static_cast<char>(252)) break;
        used.push_back(text);
    }
    return used;
}

class IsamOperations : public IsamFixture {
protected:
    void SetUp() override { ASSERT_EQ(Isam(kIndex, "", kCreate), 0); }
    std::string File() { return ReadFile(PathOf("PARCI.IDX")); }
};

TEST_F(IsamOperations, FullLeafSplitsInHalvesAndUpperKeysFollow) {
    for (long long number = 1; number <= 128; ++number) ASSERT_EQ(Isam(kIndex, Key(number * 10), kInsert, number), 0);
    std::string file = File();
    ASSERT_EQ(file.size(), 4 * kNodeSize);  // the new leaf goes at the end of the file
    EXPECT_EQ(UsedEntries(file, 1), std::vector<std::string>{Key(1280) + "1000002"});
    EXPECT_EQ(UsedEntries(file, 2), (std::vector<std::string>{Key(640) + "2000003", Key(1280) + "2000004"}));
    std::vector<std::string> low = UsedEntries(file, 3), high = UsedEntries(file, 4);
    ASSERT_EQ(low.size(), 64u);
    ASSERT_EQ(high.size(), 64u);
    EXPECT_EQ(low.front(), Key(10) + "3000001");
    EXPECT_EQ(high.front(), Key(650) + "3000065");
    EXPECT_EQ(EntryOf(file, 4, 65), FreeEntry('3'));

    // Read-next from the last key of a leaf goes on to the first key of the next one.
    EXPECT_EQ(Isam(kIndex, Key(640), kReadNext), 65);
    EXPECT_EQ(state.CHIAVETROVATA, Key(650));
    // A key between two leaves' keys goes to the next leaf as well.
    EXPECT_EQ(Isam(kIndex, Key(645), kReadNext), 65);

    // A key below every key lands in the first leaf; one above in the last, raising upper keys.
    ASSERT_EQ(Isam(kIndex, Key(5), kInsert, 900), 0);
    ASSERT_EQ(Isam(kIndex, Key(5000), kInsert, 901), 0);
    file = File();
    EXPECT_EQ(UsedEntries(file, 1), std::vector<std::string>{Key(5000) + "1000002"});
    EXPECT_EQ(UsedEntries(file, 2), (std::vector<std::string>{Key(640) + "2000003", Key(5000) + "2000004"}));
    EXPECT_EQ(UsedEntries(file, 3).front(), Key(5) + "3000900");
}

TEST_F(IsamOperations, KeysCompareByUnsignedCharacterCode) {
    ASSERT_EQ(Isam(kShortIndex, "", kCreate), 0);
    const std::string high = "\xE0" "ABC", low = "zzzz", blankish = " ABC";
    for (const std::string& key : {high, low, blankish}) ASSERT_EQ(Isam(kShortIndex, key, kInsert, key[0] & 0xFF), 0);
    EXPECT_EQ(Isam(kShortIndex, "    ", kReadNext), ' ');
    EXPECT_EQ(Isam(kShortIndex, blankish, kReadNext), 'z');
    EXPECT_EQ(Isam(kShortIndex, low, kReadNext), 0xE0);
    EXPECT_EQ(Isam(kShortIndex, high, kReadNext), kEnd);
}

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
