// tests/isam_reader.py, the reader of the index format that shares no code with ours, on indexes we
// create: an empty one, one key, and damage it must refuse (the demo's large indexes are read by it
// in demo_fee_notes).

#include "isam_fixture.hpp"
#include "tests/support/isam_listing.hpp"

namespace kv::test {
namespace {

using namespace archive::isam;

class IsamReader : public IsamFixture {};

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
