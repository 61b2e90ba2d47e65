// The decimal separator from the user's locale: the environment variable that rules LC_NUMERIC, and
// an installed locale's own radix character (a locale compiled into the test's folder).
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "output/number_test.hpp"
#include "tests/support/test_support.hpp"

namespace kv::output {
namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    ~ScopedEnvironment() {
        for (auto& [name, value] : saved_) {
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
        }
    }
    void Set(const std::string& name, const char* value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value) ::setenv(name.c_str(), value, 1);
        else ::unsetenv(name.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(UserLocale, LcAllThenLcNumericThenLang) {
    ScopedEnvironment env;
    env.Set("LC_ALL", nullptr);
    env.Set("LC_NUMERIC", nullptr);
    env.Set("LANG", nullptr);
    EXPECT_EQ(NumericLocaleName(), "");
    EXPECT_EQ(UserDecimalSeparator(), ',');
    env.Set("LANG", "it_IT.UTF-8");
    EXPECT_EQ(NumericLocaleName(), "it_IT.UTF-8");
    env.Set("LC_NUMERIC", "C");
    EXPECT_EQ(NumericLocaleName(), "C");
    env.Set("LC_ALL", "POSIX");
    EXPECT_EQ(NumericLocaleName(), "POSIX");
    EXPECT_EQ(UserDecimalSeparator(), ',');
}

TEST(UserLocale, AnInstalledLocaleGivesItsOwnSeparator) {
    if (test::Run("command -v localedef").status != 0) GTEST_SKIP() << "localedef is not installed";
    test::TempDir locales("locales");
    const auto made = test::Run("localedef -i en_US -f UTF-8 " + test::ShellQuote((locales / "en_US.UTF-8").string()));
    if (!std::filesystem::exists(locales / "en_US.UTF-8" / "LC_NUMERIC"))
        GTEST_SKIP() << "the en_US definition is not available: " << made.output;
    ScopedEnvironment env;
    env.Set("LOCPATH", locales.path().c_str());
    env.Set("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(UserDecimalSeparator(), '.');
    EXPECT_TRUE(IsNumericText("1,234.50", UserDecimalSeparator()));
    EXPECT_FALSE(IsNumericText("1.5.0", UserDecimalSeparator()));
}

}  // namespace
}  // namespace kv::output
