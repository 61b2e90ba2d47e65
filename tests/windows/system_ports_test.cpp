// The Windows ports that ask the system: the registry read through the registry API, the window's
// settings kept there, the user's regional settings and the clock's offset from UTC. The named
// mutex of the single instance and the stand-in file are tried across programs by tests/wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>

#include "platform/clock.hpp"
#include "platform/registry.hpp"
#include "platform/settings.hpp"
#include "platform/user_locale.hpp"

namespace kv::platform {
namespace {

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
