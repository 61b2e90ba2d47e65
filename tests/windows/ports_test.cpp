// The Windows ports. Files: the traps of a Windows file system that the Linux port never meets, binary
// records with CR LF and 0x1A, accented names given in Windows-1252, files another program holds open
// (the sharing the suite's own programs use), native drive letters and UNC paths. The ports that ask
// the system: the registry read through the registry API, the window's settings kept there, the
// user's regional settings and the clock's offset from UTC. The named mutex of the single instance and
// the stand-in file are tried across programs by tests/wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

#include "platform/clock.hpp"
#include "platform/files.hpp"
#include "platform/registry.hpp"
#include "platform/settings.hpp"
#include "platform/user_locale.hpp"
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

// A key of the test's own under HKCU, removed at the end.
class WindowsRegistry : public ::testing::Test {
protected:
    static constexpr const wchar_t* kKey = L"SOFTWARE\\KVVELM-TEST";
    void SetUp() override {
        const wchar_t value[] = L"C:\\Societ\u00e0\\ARK";
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"PercorsoArchivi", REG_SZ, value, sizeof value),
                  ERROR_SUCCESS);
        const wchar_t foreign[] = L"C:\\\u0141\u00f3d\u017a";  // an L with stroke has no Windows-1252 form
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"ESTERO", REG_SZ, foreign, sizeof foreign);
        DWORD number = 7;
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"NUMERO", REG_DWORD, &number, sizeof number);
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
};

TEST_F(WindowsRegistry, TheRealKeyIsReadWhenNoStandInIsNamed) {
    EXPECT_EQ(RegistryFilePath(nullptr, "/xdg", "/home"), std::filesystem::path());
    const std::string key = "HKEY_CURRENT_USER\\SOFTWARE\\KVVELM-TEST";
    EXPECT_EQ(ReadUserRegistryString({}, "hkcu\\software\\kvvelm-test\\", "percorsoarchivi"), "C:\\Societ\xE0\\ARK");
    std::string unmappable = "x";
    EXPECT_EQ(ReadUserRegistryString({}, key, "PERCORSOARCHIVI", &unmappable), "C:\\Societ\xE0\\ARK");
    EXPECT_EQ(unmappable, "");
    EXPECT_EQ(ReadUserRegistryString({}, key, "ESTERO", &unmappable), "C:\\?\xF3" "d?");
    EXPECT_EQ(unmappable, "U+0141");
    EXPECT_EQ(ReadUserRegistryString({}, key, "NUMERO"), std::nullopt);
    EXPECT_EQ(ReadUserRegistryString({}, key, "MISSING"), std::nullopt);
    EXPECT_EQ(ReadUserRegistryString({}, "HKCU\\SOFTWARE\\NO-SUCH-KEY", "X"), std::nullopt);
}

// Without KVVELM_SETTINGS the window's choices live under HKCU\SOFTWARE\KVVELM.
TEST_F(WindowsRegistry, SettingsAreValuesOfTheProgramsKey) {
    ASSERT_EQ(std::getenv("KVVELM_SETTINGS"), nullptr);
    std::unique_ptr<Settings> settings = MakeSettings();
    ASSERT_TRUE(settings->Write("Prova", "caff\xE8"));
    EXPECT_EQ(ReadSystemRegistryString("HKCU\\SOFTWARE\\KVVELM", "Prova"), "caff\xE8");
    EXPECT_EQ(MakeSettings()->Read("Prova"), "caff\xE8");
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\KVVELM", L"Prova");
}

TEST(WindowsLocale, TheUsersSettingsGiveSeparatorAndDate) {
    wchar_t decimal[8] = {};
    ASSERT_GT(::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8), 0);
    UserLocale locale = ReadUserLocale();
    EXPECT_EQ(static_cast<wchar_t>(static_cast<unsigned char>(locale.decimalSeparator)), decimal[0]);
    // The date the system writes in the user's short form is ours too.
    SYSTEMTIME day{};
    day.wYear = 2026;
    day.wMonth = 3;
    day.wDay = 7;
    wchar_t expected[64] = {};
    ASSERT_GT(::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, expected, 64, nullptr), 0);
    std::string ours = FormatShortDate(LocalDateTime{2026, 3, 7, 0, 0, 0, 0}, locale.shortDatePattern);
    EXPECT_EQ(std::wstring(ours.begin(), ours.end()), expected);
}

TEST(WindowsClock, LocalTimeAndOffsetAgreeWithTheSystem) {
    LocalDateTime now = SystemClock().Now();
    TIME_ZONE_INFORMATION zone{};
    DWORD kind = ::GetTimeZoneInformation(&zone);
    long bias = zone.Bias + (kind == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    EXPECT_EQ(now.utcOffsetMinutes, -bias);
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    EXPECT_EQ(now.year, local.wYear);
    EXPECT_EQ(now.day, local.wDay);
}

}  // namespace
}  // namespace kv::platform
