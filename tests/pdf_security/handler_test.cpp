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

TEST(StandardSecurity, ObjectKeySizesAndTheBlankTailOfTheRevision3UserEntry) {
    // Padding, file keys and object keys are judged by qpdf decrypting whole files; these sizes
    // and the blank tail are what a reader does not look at.
    EXPECT_EQ(ObjectKey(MakeStandardSecurity(4, "owner", "user", "id"), 7).size(), 10u);
    const auto strong = MakeStandardSecurity(4096 + 4, "owner", "user", "id");
    EXPECT_EQ(ObjectKey(strong, 7).size(), 16u);
    EXPECT_EQ(strong.userEntry.size(), 32u);
    EXPECT_EQ(strong.userEntry.substr(16), std::string(16, ' '));
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
