// The system's short date in the date field: DD/MM/YYYY under the plain C locales and for a locale
// that is not installed; a locale's own order when it is installed.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/short_date.hpp"
#include "tests/support/test_support.hpp"

namespace kv::app {
namespace {

const platform::LocalDateTime kMoment{2026, 3, 7, 23, 59, 0, 60};

TEST(ShortDate, PlainLocalesAndMissingOnesGiveDayMonthYear) {
    for (const char* name : {"", "C", "POSIX", "C.UTF-8", "C.utf8", "xx_YY.UTF-8"}) {
        EXPECT_EQ(ShortDateIn(kMoment, name), "07/03/2026") << name;
    }
}

// A German locale compiled into a scratch folder and found through LOCPATH.
TEST(ShortDate, InstalledLocaleGivesItsOwnOrder) {
    test::TempDir locales("locales");
    std::string target = (locales.path() / "de_DE.UTF-8").string();
    test::CommandResult made = test::Run("localedef -i de_DE -f UTF-8 " + test::ShellQuote(target));
    if (made.status != 0) GTEST_SKIP() << "localedef cannot compile de_DE: " << made.output;
    ::setenv("LOCPATH", locales.path().c_str(), 1);
    std::string date = ShortDateIn(kMoment, "de_DE.UTF-8");
    ::unsetenv("LOCPATH");
    EXPECT_EQ(date, "07.03.2026");
}

}  // namespace
}  // namespace kv::app
