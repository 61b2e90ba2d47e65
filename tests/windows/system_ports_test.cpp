// The Windows ports that ask the system: the named mutex of the single instance, the registry read
// through the registry API (a stand-in file still overriding it), the user's regional settings and
// the clock's offset from UTC.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/clock.hpp"
#include "platform/instance_lock.hpp"
#include "platform/registry.hpp"
#include "platform/user_locale.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform {
namespace {

TEST(WindowsInstance, ASecondHolderOfTheSameNameSeesTheFirst) {
    const std::filesystem::path name = InstanceLockPath("C:\\tmp\\kvvelm-test.lock", nullptr);
    {
        InstanceLock first(name);
        EXPECT_EQ(first.state(), InstanceLock::State::Held);
        InstanceLock second(name);
        EXPECT_TRUE(second.OtherInstanceRunning());
        InstanceLock elsewhere(InstanceLockPath("C:\\tmp\\other.lock", nullptr));
        EXPECT_EQ(elsewhere.state(), InstanceLock::State::Held);
    }
    InstanceLock again(name);
    EXPECT_EQ(again.state(), InstanceLock::State::Held);
    EXPECT_EQ(InstanceLockPath(nullptr, "ignored").wstring(), L"KVVELM");
}

// A key of the test's own under HKCU, removed at the end.
class WindowsRegistry : public ::testing::Test {
protected:
    static constexpr const wchar_t* kKey = L"SOFTWARE\\KVVELM-TEST";
    void SetUp() override {
        const wchar_t value[] = L"C:\\Societ\u00e0\\ARK";
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"PercorsoArchivi", REG_SZ, value, sizeof value),
                  ERROR_SUCCESS);
        DWORD number = 7;
        ::RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"NUMERO", REG_DWORD, &number, sizeof number);
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
};

TEST_F(WindowsRegistry, TheRealKeyIsReadUnlessAStandInIsNamed) {
    EXPECT_EQ(RegistryFilePath(nullptr, "/xdg", "/home"), std::filesystem::path());
    const std::string key = "HKEY_CURRENT_USER\\SOFTWARE\\KVVELM-TEST";
    EXPECT_EQ(ReadUserRegistryString({}, key, "PERCORSOARCHIVI"), "C:\\Societ\xE0\\ARK");
    EXPECT_EQ(ReadUserRegistryString({}, "hkcu\\software\\kvvelm-test\\", "percorsoarchivi"), "C:\\Societ\xE0\\ARK");
    EXPECT_EQ(ReadUserRegistryString({}, key, "NUMERO"), std::nullopt);
    EXPECT_EQ(ReadUserRegistryString({}, key, "MISSING"), std::nullopt);
    EXPECT_EQ(ReadUserRegistryString({}, "HKCU\\SOFTWARE\\NO-SUCH-KEY", "X"), std::nullopt);
    test::TempDir dir("win-registry");
    test::WriteFile(dir / "stand-in.reg",
                    "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\KVVELM-TEST]\r\n"
                    "\"PERCORSOARCHIVI\"=\"D:\\\\FILE\"\r\n");
    std::filesystem::path standIn = RegistryFilePath((dir / "stand-in.reg").string().c_str(), nullptr, nullptr);
    EXPECT_EQ(ReadUserRegistryString(standIn, key, "PERCORSOARCHIVI"), "D:\\FILE");
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
