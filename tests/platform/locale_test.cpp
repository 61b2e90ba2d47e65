// The user's decimal separator and short date on Linux: plain and missing locales give "," and
// DD/MM/YYYY; an installed locale (compiled into the test's folder) gives its own; the pictures
// write the fields Windows would.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/posix/posix_locale.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform {
namespace {

const LocalDateTime kMoment{2026, 3, 7, 23, 59, 0, 60};

TEST(UserLocale, PlainAndMissingLocalesGiveCommaAndDayMonthYear) {
    for (const char* name : {"", "C", "POSIX", "C.UTF-8", "C.utf8", "xx_YY.UTF-8"}) {
        UserLocale locale = posix::UserLocaleOf(name, name);
        EXPECT_EQ(locale.decimalSeparator, ',') << name;
        EXPECT_EQ(FormatShortDate(kMoment, locale.shortDatePattern), "07/03/2026") << name;
    }
}

// American English compiled into a scratch folder and found through LOCPATH: its own separator and
// order, each read from its own variable.
TEST(UserLocale, InstalledLocaleGivesItsOwnSettings) {
    test::TempDir locales("locales");
    std::string target = (locales.path() / "en_US.UTF-8").string();
    test::CommandResult made = test::Run("localedef -i en_US -f UTF-8 " + test::ShellQuote(target));
    if (made.status != 0) GTEST_SKIP() << "localedef cannot compile en_US: " << made.output;
    ::setenv("LOCPATH", locales.path().c_str(), 1);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    UserLocale locale = ReadUserLocale();
    ::unsetenv("LC_ALL");
    UserLocale mixed = posix::UserLocaleOf("C", "en_US.UTF-8");
    ::unsetenv("LOCPATH");
    EXPECT_EQ(locale.decimalSeparator, '.');
    EXPECT_EQ(FormatShortDate(kMoment, locale.shortDatePattern), "03/07/2026");
    EXPECT_EQ(mixed.decimalSeparator, ',');
    EXPECT_EQ(FormatShortDate(kMoment, mixed.shortDatePattern), "03/07/2026");
}

}  // namespace
}  // namespace kv::platform
