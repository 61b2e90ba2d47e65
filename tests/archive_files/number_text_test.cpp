// Reading numbers out of codes and writing numbers into names and trail entries.
#include <gtest/gtest.h>

#include <cmath>

#include "archive/number_text.hpp"

namespace kv::archive {
namespace {

TEST(NumberText, LeadingNumberOfATextIgnoresBlanksAndStopsAtTheFirstOtherCharacter) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0}, {"   ", 0}, {"005", 5}, {" 1 2 3", 123}, {"12A4", 12}, {"MI", 0}, {"-7", -7}, {"2.5x", 2.5},
        {"1E3", 1000}, {"-1E2", -100}, {"1E", 1},
        {"1E999", 0},  // out of range reads as nothing rather than infinity
        // Short numbers are read without strtod: the same doubles as with it, and past 15 digits.
        {"0000012.345", 12.345}, {" 0.1", 0.1}, {"-1234567890.12345", -1234567890.12345},
        {"12345678901234567", 12345678901234567.0}, {"9.87654321098765432", 9.87654321098765432},
        {"4.", 4}, {".5.", 0.5}, {"+", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(NumericValue(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(NumericValue("- 0")));
}

TEST(NumberText, NumbersAreWrittenWithoutBlankAndWholeWithoutDecimals) {
    EXPECT_EQ(NumberText(63), "63");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(2.5), "2.5");
    EXPECT_EQ(RightDigits("5", 3), "005");
    EXPECT_EQ(RightDigits("1234", 3), "234");
    EXPECT_EQ(RightDigits("", 2), "00");
    // Halves go to the even neighbour, as file and record numbers always have.
    EXPECT_EQ(WholeNumber(2.5), 2);
    EXPECT_EQ(WholeNumber(3.5), 4);
    EXPECT_EQ(WholeNumber(1e300), -1);
}

}  // namespace
}  // namespace kv::archive
