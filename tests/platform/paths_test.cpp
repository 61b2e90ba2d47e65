// Path texts in both styles: joins keep the style of the base, parsers accept both separators; the
// call trail ring and the Windows-1252 text.
#include <gtest/gtest.h>

#include "platform/call_trail.hpp"
#include "platform/drives.hpp"
#include "platform/paths.hpp"
#include "platform/text_encoding.hpp"

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
    EXPECT_EQ(drives.HostPath("C:\\Societ\xE0\\F.DAT"), "/d/c/Societ\xC3\xA0/F.DAT");  // names in UTF-8
}

TEST(CallTrail, IgnoresARepeatedNameAndKeepsTheLastTenOldestFirst) {
    CallTrail trail;
    EXPECT_EQ(trail.Lines(), std::vector<std::string>(10));
    trail.TRACCIA("A");
    trail.TRACCIA("A");
    trail.TRACCIA("B");
    trail.TRACCIA("A");
    std::vector<std::string> lines = trail.Lines();
    EXPECT_EQ(trail.index(), 3);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.end()), (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(lines[0], "");
    // Twelve more: the slot index wraps from 10 to 1 and on to 5 (the ten kept are in the error reporter's box).
    for (int i = 1; i <= 12; ++i) trail.TRACCIA("P" + std::to_string(i));
    EXPECT_EQ(trail.index(), 5);
    EXPECT_EQ(trail.Current(), "P12");
}

TEST(TextEncoding, Cp1252AndUtf8RoundTripAndLinesSplitOnEveryBreak) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C\xC3\xA0\xE2\x98\x83"), "\x93\xE0?");
    EXPECT_EQ(Utf8ToCp1252("bad \xE8 byte"), "bad \xE8 byte");
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace kv::platform
