// Path texts in both styles: joins keep the style of the base, parsers accept both separators.
#include <gtest/gtest.h>

#include "platform/drives.hpp"
#include "platform/paths.hpp"

namespace kv::platform {
namespace {

TEST(Paths, JoinKeepsTheStyleOfTheBase) {
    EXPECT_EQ(JoinPath("C:\\PQTPAGHE\\ARK", "QTBASE.DAT"), "C:\\PQTPAGHE\\ARK\\QTBASE.DAT");
    EXPECT_EQ(JoinPath("C:\\PQTPAGHE\\ARK\\", "\\FILE-PDF"), "C:\\PQTPAGHE\\ARK\\FILE-PDF");
    EXPECT_EQ(JoinPath("C:", "DATI"), "C:\\DATI");
    EXPECT_EQ(JoinPath("C:\\", "DATI"), "C:\\DATI");
    EXPECT_EQ(JoinPath("/srv/lumeo/ark", "QTBASE.DAT"), "/srv/lumeo/ark/QTBASE.DAT");
    EXPECT_EQ(JoinPath("/srv/lumeo/ark//", "/x"), "/srv/lumeo/ark/x");
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    EXPECT_EQ(JoinPath("ark", "x"), "ark/x");
    EXPECT_EQ(JoinPath("", "x"), "x");
    // A base that holds a backslash anywhere is Windows style.
    EXPECT_EQ(JoinPath("ARK\\SUB", "X"), "ARK\\SUB\\X");
}

TEST(Paths, PartsParentAndNameAcceptBothSeparators) {
    EXPECT_EQ(PathParts("C:\\A/B\\\\C"), (std::vector<std::string>{"C:", "A", "B", "C"}));
    EXPECT_EQ(PathParts("/srv\\x/"), (std::vector<std::string>{"srv", "x"}));
    EXPECT_EQ(ParentPath("C:\\DATI\\ARK"), "C:\\DATI");
    EXPECT_EQ(ParentPath("C:\\DATI"), "C:\\");
    EXPECT_EQ(ParentPath("/srv/ark/"), "/srv");
    EXPECT_EQ(ParentPath("/srv"), "/");
    EXPECT_EQ(ParentPath("name"), "");
    EXPECT_EQ(FileNamePart("C:\\DATI/QTBASE.DAT"), "QTBASE.DAT");
    EXPECT_EQ(FileNamePart("QTBASE.DAT"), "QTBASE.DAT");
    EXPECT_TRUE(HasDriveLetter("d:x"));
    EXPECT_FALSE(HasDriveLetter("1:x"));
    EXPECT_EQ(SeparatorOf("/a/b"), '/');
    EXPECT_EQ(SeparatorOf("a\\b"), '\\');
}

TEST(Drives, LettersMapToLowerCaseFoldersAndPosixPathsStayInPlace) {
    DriveMap drives("/d");
    EXPECT_EQ(drives.HostPath("C:\\PQTPAGHE\\QTPERARK.QTP"), "/d/c/PQTPAGHE/QTPERARK.QTP");
    EXPECT_EQ(drives.HostPath("a:/X"), "/d/a/X");
    EXPECT_EQ(drives.HostPath("D:DATI"), "/d/d/DATI");
    EXPECT_EQ(drives.HostPath("\\CORVIN\\CORVIN.INI"), "/d/c/CORVIN/CORVIN.INI");
    EXPECT_EQ(drives.HostPath("/srv/ark/QTBASE.DAT"), "/srv/ark/QTBASE.DAT");
    EXPECT_EQ(drives.HostPath("ark\\sub\\F.DAT"), "ark/sub/F.DAT");
}

}  // namespace
}  // namespace kv::platform
