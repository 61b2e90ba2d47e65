// The standard security handler's values: permission numbers, password padding and the entries
// that must repeat byte for byte for the same inputs.

#include <gtest/gtest.h>

#include "pdf/security/md5.hpp"
#include "pdf/security/standard_security.hpp"

namespace {

using namespace folivo::security;

TEST(StandardSecurity, PermissionValues) {
    const std::pair<int32_t, int32_t> cases[] = {
        {0, -64},                            // 40-bit, nothing allowed
        {4 + 8 + 16 + 32, -4},               // 40-bit, everything allowed
        {4, -60},    {256 + 4, -60},         // form bits mean nothing at 40 bits
        {4096 + 4 + 16, -3884},              // 128-bit print and copy
        {4096, -3904},                       // 128-bit, nothing allowed
        {4096 + 4095 - 64 - 128 - 3, -4}};  // every 128-bit permission
    for (const auto& [mode, value] : cases) EXPECT_EQ(PermissionValue(mode), value) << mode;
}

TEST(StandardSecurity, PasswordsArePaddedOrCutTo32Bytes) {
    const std::string empty = PadPassword("");
    ASSERT_EQ(empty.size(), 32u);
    EXPECT_EQ(static_cast<unsigned char>(empty[0]), 0x28);
    EXPECT_EQ(static_cast<unsigned char>(empty[31]), 0x7A);
    EXPECT_EQ(PadPassword("abc").substr(0, 4), "abc\x28");
    const std::string longer(40, 'p');
    EXPECT_EQ(PadPassword(longer), std::string(32, 'p'));
}

TEST(StandardSecurity, KeyAndEntrySizesByStrength) {
    const auto weak = MakeStandardSecurity(4, "owner", "user", "id");
    EXPECT_EQ(weak.revision, 2);
    EXPECT_EQ(weak.fileKey.size(), 5u);
    EXPECT_EQ(weak.ownerEntry.size(), 32u);
    EXPECT_EQ(weak.userEntry.size(), 32u);
    EXPECT_EQ(ObjectKey(weak, 7).size(), 10u);

    const auto strong = MakeStandardSecurity(4096 + 4, "owner", "user", "id");
    EXPECT_EQ(strong.revision, 3);
    EXPECT_EQ(strong.fileKey.size(), 16u);
    EXPECT_EQ(strong.userEntry.size(), 32u);
    EXPECT_EQ(strong.userEntry.substr(16), std::string(16, ' '));
    EXPECT_EQ(ObjectKey(strong, 7).size(), 16u);
    // The object key salts MD5 with the number's three low bytes and a zero generation.
    EXPECT_EQ(ObjectKey(strong, 0x030201), Md5(strong.fileKey + std::string("\x01\x02\x03\0\0", 5)));
    EXPECT_NE(ObjectKey(strong, 7), ObjectKey(strong, 8));
}

TEST(StandardSecurity, BlankOwnerMeansUserAndOnlyTheKeyFollowsTheIdentifier) {
    for (int32_t mode : {4, 4096 + 4}) {
        const auto a = MakeStandardSecurity(mode, "own", "usr", "producer2.4.8");
        const auto blank = MakeStandardSecurity(mode, "  ", "usr", "producer2.4.8");
        const auto same = MakeStandardSecurity(mode, "usr", "usr", "producer2.4.8");
        EXPECT_EQ(blank.ownerEntry, same.ownerEntry);
        EXPECT_NE(blank.ownerEntry, a.ownerEntry);
        const auto otherId = MakeStandardSecurity(mode, "own", "usr", "other2.4.8");
        EXPECT_NE(otherId.fileKey, a.fileKey);
        EXPECT_EQ(otherId.ownerEntry, a.ownerEntry) << "/O does not depend on the identifier";
    }
}

}  // namespace
