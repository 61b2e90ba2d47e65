// Values written into the file: numbers rounded to 3 decimals (whatever the locale), the forgiving
// number reader shared by colour components and dash lengths, and every form ParseColor reads.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "pdf/core/color.hpp"
#include "pdf/core/leading_number.hpp"
#include "pdf/core/number_format.hpp"
#include "pdf/error.hpp"
#include "tests/support/test_support.hpp"

namespace folivo {
namespace {

TEST(FormatNum, SevenSignificantDigitsNoTrailingZerosNoMinusZeroNoExponent) {
    const std::pair<float, const char*> cases[] = {
        {595.2756f, "595.276"}, {842.0f - 28.346457f, "813.654"}, {12.0f, "12"},
        {0.5f, "0.5"},          {12345.678f, "12345.68"},         {-1.25f, "-1.25"},
        {100.0f, "100"},        {1.0f / 3.0f, "0.333"},           {-0.0004f, "0"},
        {-0.0f, "0"},           {0.001f, "0.001"},                {12345678.0f, "12345680"},
        {-30000000.0f, "-30000000"},
        // Exactly half a thousandth, in single precision, rounds away from zero, above a thousand too.
        {0.0625f, "0.063"},     {-0.0625f, "-0.063"},             {813.6535f, "813.654"},
        {1000.0625f, "1000.063"}, {-2048.1875f, "-2048.188"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatNum(value), text) << value;
}

TEST(FormatNum, EveryThousandthBelowAThousandIsExact) {
    for (int k = 0; k < 1000000; ++k) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d.%03d", k / 1000, k % 1000);
        std::string want = expected;
        while (want.back() == '0') want.pop_back();
        if (want.back() == '.') want.pop_back();
        const std::string got = FormatNum(static_cast<float>(k) / 1000.0f);
        if (got != want) {
            ADD_FAILURE() << "k=" << k << " gave " << got << ", want " << want;
            break;
        }
    }
}

TEST(FormatNum, UsesAPointUnderACommaLocale) {
    // An Italian locale (decimal comma) built in a scratch folder, for LC_NUMERIC.
    kv::test::TempDir dir("locale");
    kv::test::Run("localedef -i it_IT -f UTF-8 " + kv::test::ShellQuote((dir / "it_IT.UTF-8").string()));
    setenv("LOCPATH", dir.path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "it_IT.UTF-8"), nullptr) << "localedef could not build it_IT.UTF-8 (package locales)";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5");
    EXPECT_EQ(FormatNum(0.5f), "0.5");
    EXPECT_EQ(FormatNum(-1234.567f), "-1234.567");
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
}

TEST(LeadingNumber, ReadsTheNumberATextStartsWithAndTakesJunkAsZero) {
    const std::pair<std::string_view, double> cases[] = {
        {"12abc", 12},  {" 2.5mm", 2.5}, {"\t7", 7},    {"-3", -3},    {"+4.25", 4.25}, {"1.2.3", 1.2},
        {"x", 0},       {"", 0},         {"   ", 0},   {".", 0},      {"-", 0},        {"- 5", 0},
        {"50%", 50},    {".5", 0.5},     {"3 4", 3},   {"1e5", 1},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << '"' << text << '"';
}

TEST(ParseColor, ReadsEveryForm) {
    const struct {
        const char *text, *color, *second;
    } cases[] = {
        {"", "", ""},                      {"#12345678", "#123456", ""},     {"red", "#FF0000", ""},
        {"  Navy ", "#000080", ""},         {"lightYellow", "#FFFFE0", ""},   {"%0", "#000000", ""},
        {"%50", "#808080", ""},  // 50 * 255 / 100 = 127.5 rounds to the even 128
        {"%100", "#FFFFFF", ""},            {"@255;128;0", "#FF8000", ""},    {"@0;0;0;100", "#000000", ""},
        {"@0;100;100;0", "#FF0000", ""},    {"@0,5;0;0;0", "#FEFFFF", ""},    {"@1;2", "", ""},
        {"grid;#FF0000", "GRID", "#FF0000"}, {" hatch ; blue", "HATCH", "#0000FF"}, {"stripes", "STRIPES", ""},
    };
    for (const auto& c : cases) {
        std::string color = c.text;
        std::string second = "stale";
        ParseColor(color, second);
        EXPECT_EQ(color, c.color) << c.text;
        EXPECT_EQ(second, c.second) << c.text;
    }
}

}  // namespace
}  // namespace folivo
