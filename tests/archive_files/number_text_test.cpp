// Reading numbers out of codes and writing numbers into names and trail entries.
#include <gtest/gtest.h>

#include <cmath>

#include "archive/number_text.hpp"

namespace kv::archive {
namespace {

TEST(NumberText, LeadingNumberOfATextIgnoresBlanksAndStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("   "), 0);
    EXPECT_EQ(NumericValue("005"), 5);
    EXPECT_EQ(NumericValue(" 1 2 3"), 123);
    EXPECT_EQ(NumericValue("12A4"), 12);
    EXPECT_EQ(NumericValue("MI"), 0);
    EXPECT_EQ(NumericValue("-7"), -7);
    EXPECT_EQ(NumericValue("2.5x"), 2.5);
    EXPECT_EQ(NumericValue("1E3"), 1000);
    EXPECT_EQ(NumericValue("1E"), 1);
    EXPECT_EQ(NumericValue("1E999"), 0);  // out of range reads as nothing rather than infinity
    // Short numbers are read without strtod: the same doubles, up to 15 digits and past them.
    EXPECT_EQ(NumericValue("0000012.345"), 12.345);
    EXPECT_EQ(NumericValue(" 0.1"), 0.1);
    EXPECT_EQ(NumericValue("-1234567890.12345"), -1234567890.12345);
    EXPECT_EQ(NumericValue("12345678901234567"), 12345678901234567.0);
    EXPECT_EQ(NumericValue("9.87654321098765432"), 9.87654321098765432);
    EXPECT_EQ(NumericValue("4."), 4);
    EXPECT_EQ(NumericValue(".5."), 0.5);
    EXPECT_TRUE(std::signbit(NumericValue("- 0")));
    EXPECT_EQ(NumericValue("+"), 0);
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
