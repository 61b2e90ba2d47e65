// Create, insert, find, delete and read-next on small indexes, with the node bytes checked
// where the file format is at stake.

#include <algorithm>

#include "isam_fixture.hpp"

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

}  // namespace
}  // namespace kv::test
