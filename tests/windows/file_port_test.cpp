// The Windows file port: the traps of a Windows file system that the Linux port never meets. Binary
// records with CR LF and 0x1A, accented names given in Windows-1252, files another program holds open
// (the sharing the suite's own programs use), native drive letters and UNC paths.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>

#include "platform/files.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform {
namespace {

namespace fs = std::filesystem;

class WindowsFilePort : public ::testing::Test {
protected:
    test::TempDir dir{"win-files"};
    Files files{DriveMap("unused")};

    // The path text as the archives hold it: Windows-1252, backslashes.
    std::string Text(const std::string& name) const { return dir.path().string() + "\\" + name; }
    static int ErrorOf(const std::function<void()>& action) { return test::ErrorOf(action).number(); }
};

TEST_F(WindowsFilePort, RecordsWithLineBreaksAndEndOfFileBytesReadBackWhole) {
    const std::string record("AB\r\nCD\x1A" "EF\n\r\x1A\x1A", 13);
    {
        SharedFile file = files.Open(Text("REC.DAT"), OpenMode::ReadWrite);
        file.WriteAt(0, std::string(26, '-'));
        file.WriteAt(13, record);
    }
    SharedFile file = files.Open(Text("REC.DAT"), OpenMode::Read);
    std::string back(13, '\0');
    ASSERT_EQ(file.ReadAt(13, back.data(), back.size()), 13u);
    EXPECT_EQ(back, record);
    // Line access splits at CR LF only, and 0x1A is a byte like any other.
    SharedFile lines = files.Open(Text("LINES.TXT"), OpenMode::WriteNew);
    lines.WriteLine("A\x1A" "B");
    lines.WriteLine("C");
    SharedFile reader = files.Open(Text("LINES.TXT"), OpenMode::Read);
    EXPECT_EQ(reader.ReadLine(), "A\x1A" "B");
    EXPECT_EQ(reader.ReadLine(), "C");
    EXPECT_TRUE(reader.AtEnd());
}

TEST_F(WindowsFilePort, AccentedNamesInWindows1252AreTheSystemsNames) {
    fs::create_directories(dir.path() / L"Societ\u00e0 \u20ac");
    test::WriteFile(dir.path() / L"Societ\u00e0 \u20ac" / L"CITT\u00c0.DAT", "12345");
    const std::string folder = Text("Societ\xE0 \x80");
    EXPECT_TRUE(files.FolderExists(folder));
    EXPECT_EQ(files.Length(folder + "\\CITT\xC0.DAT"), 5u);
    EXPECT_EQ(files.Length(folder + "/citt\xE0.dat"), 5u);  // the system ignores letter case
    files.CreateFolder(folder + "\\CAFF\xC8");
    EXPECT_TRUE(fs::is_directory(dir.path() / L"Societ\u00e0 \u20ac" / L"CAFF\u00c8"));
}

TEST_F(WindowsFilePort, FilesHeldOpenByAnotherProgramAreStillReadAndWritten) {
    test::WriteFile(dir / "SHARED.DAT", "0123456789");
    const fs::path host = dir / "SHARED.DAT";
    // Another program with the file open for writing, sharing it as the suite's programs do.
    HANDLE other = ::CreateFileW(host.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    std::optional<SharedFile> held = files.Open(Text("SHARED.DAT"), OpenMode::ReadWrite);
    SharedFile& ours = *held;
    char head[4] = {};
    EXPECT_EQ(ours.ReadAt(0, head, 4), 4u);
    EXPECT_EQ(std::string(head, 4), "0123");
    ours.WriteAt(8, "XY");
    // The other program sees our write, and we see its.
    char seen[2] = {};
    DWORD got = 0;
    OVERLAPPED at{};
    at.Offset = 8;
    ASSERT_TRUE(::ReadFile(other, seen, 2, &got, &at));
    EXPECT_EQ(std::string(seen, got), "XY");
    at.Offset = 0;
    DWORD put = 0;
    ASSERT_TRUE(::WriteFile(other, "ab", 2, &put, &at));
    EXPECT_EQ(ours.ReadAt(0, head, 4), 4u);
    EXPECT_EQ(std::string(head, 4), "ab23");
    ::CloseHandle(other);
    held.reset();
    // A program that holds a file without sharing it makes ours a permission error.
    HANDLE exclusive = ::CreateFileW(host.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                     nullptr);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ErrorOf([&] { files.Open(Text("SHARED.DAT"), OpenMode::Read); }), 70);
    ::CloseHandle(exclusive);
}

TEST_F(WindowsFilePort, FailuresCarryTheirErrorNumbers) {
    EXPECT_EQ(ErrorOf([&] { files.Delete(Text("missing.dat")); }), 53);
    EXPECT_EQ(ErrorOf([&] { files.Open(Text("no\\x.dat"), OpenMode::ReadWrite); }), 76);
    EXPECT_EQ(ErrorOf([&] { files.Open(dir.path().string(), OpenMode::Read); }), 75);
    files.CreateFolder(Text("FILE-PDF"));
    EXPECT_EQ(ErrorOf([&] { files.CreateFolder(Text("FILE-PDF")); }), 75);
    EXPECT_EQ(ErrorOf([&] { files.CreateFolder(Text("a\\b")); }), 76);
}

TEST(WindowsHostPath, DriveLettersAndUncPathsAreUsedAsTheyStand) {
    DriveMap drives("C:\\unused-root");
    EXPECT_EQ(drives.HostPath("C:\\CORVIN\\CORVIN.INI").wstring(), L"C:\\CORVIN\\CORVIN.INI");
    EXPECT_EQ(drives.HostPath("d:/dati/QTBASE.DAT").wstring(), L"d:\\dati\\QTBASE.DAT");
    EXPECT_EQ(drives.HostPath("\\\\SERVER\\LUMEO\\ARK").wstring(), L"\\\\SERVER\\LUMEO\\ARK");
    EXPECT_EQ(drives.HostPath("C:\\Caff\xE8 \x80").wstring(), L"C:\\Caff\u00e8 \u20ac");
}

}  // namespace
}  // namespace kv::platform
