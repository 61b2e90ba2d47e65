// STAMPATESTO on both targets: which texts are written, where, and that the text line is always
// emptied.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "output/numeric_text.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::output {
namespace {

using ::testing::ElementsAre;

TEST(NumericText, FollowsTheDecimalSeparatorOfTheLocale) {
    for (const char* text : {"0,00", "1,50", "  12 ", "-3", "3-", "(4)", "1.234,5", "1e3", "&H1F", "+,5"})
        EXPECT_TRUE(IsNumericText(text, ',')) << text;
    for (const char* text : {"", "  ", "-", ",", "1,2,3", "DITTA: 001", "12 A", ".5", "1e", "&HG", "--1", "1 2"})
        EXPECT_FALSE(IsNumericText(text, ',')) << text;
    // With "." as the decimal mark the comma groups digits.
    EXPECT_TRUE(IsNumericText("1,234.5", '.'));
    EXPECT_FALSE(IsNumericText("0,5.1.2", '.'));
}

TEST(NumericText, ValueStopsAtTheFirstCharacterOutsideAPointDecimal) {
    EXPECT_EQ(LeadingValue("0,50"), 0);
    EXPECT_EQ(LeadingValue("1,50"), 1);
    EXPECT_EQ(LeadingValue("2.75x"), 2.75);
    EXPECT_EQ(LeadingValue(""), 0);
}

TEST(ZeroRule, DecidesWhichTextsAreWritten) {
    EXPECT_FALSE(IsTextWritten("", false, ','));
    EXPECT_FALSE(IsTextWritten("", true, ','));
    EXPECT_FALSE(IsTextWritten("     ", true, ','));
    EXPECT_FALSE(IsTextWritten("0,00", false, ','));
    EXPECT_TRUE(IsTextWritten("0,00", true, ','));
    EXPECT_FALSE(IsTextWritten("   0,00", false, ','));
    EXPECT_FALSE(IsTextWritten("0,50", false, ','));  // the value read stops at the comma
    EXPECT_TRUE(IsTextWritten("1,50", false, ','));
    EXPECT_TRUE(IsTextWritten("DITTA: 000 0,00 00000", false, ','));
    EXPECT_TRUE(IsTextWritten("000000-", true, '.'));  // a signed zero
    EXPECT_FALSE(IsTextWritten("000000-", false, '.'));
}

using StampOnPdf = OutputFixture;

TEST_F(StampOnPdf, DrawsTextsThatPassTheZeroRuleAndAlwaysEmptiesTheLine) {
    state.MODOPDF = true;
    std::string line = "STAMPA ELENCO DOCUMENTI";
    STAMPATESTO(state, 0.85, 8, line);
    EXPECT_EQ(line, "");
    line = "0,00";
    STAMPATESTO(state, 1, 1, line);
    EXPECT_EQ(line, "");
    line = "0,00";
    STAMPATESTO(state, 1, 2, line, true);
    line = "0,50";
    STAMPATESTO(state, 1, 3, line);
    line = "1,50";
    STAMPATESTO(state, 1, 4, line);
    line = "";
    STAMPATESTO(state, 1, 5, line, true);
    EXPECT_EQ(line, "");
    EXPECT_THAT(log->calls, ElementsAre("SetScale(3,1)", "DrawText(8,0.85,STAMPA ELENCO DOCUMENTI,1)",
                                        "SetScale(3,1)", "SetScale(3,1)", "DrawText(2,1,0,00,1)",
                                        "SetScale(3,1)", "SetScale(3,1)", "DrawText(4,1,1,50,1)",
                                        "SetScale(3,1)"));
    EXPECT_EQ(log->writersMade, 1) << "one writer, made when first needed";
}

using StampOnPrinter = OutputFixture;

TEST_F(StampOnPrinter, PositionsEvenWhenNothingIsPrinted) {
    for (std::string line : {std::string(""), std::string("0,00"), std::string("0,50")}) {
        STAMPATESTO(state, 3, 2, line);
        EXPECT_EQ(line, "");
    }
    std::string zero = "0,00";
    STAMPATESTO(state, 3, 2, zero, true);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].text, "0,00");
    EXPECT_EQ(printer.printed[0].x, 963);   // (2 - 0.3) * 567 = 963.9
    EXPECT_EQ(printer.printed[0].y, 1360);  // (3 - 0.6) * 567 = 1360.8
}

TEST_F(StampOnPrinter, NoPrinterIsAPrinterErrorAndTheLineIsStillEmptied) {
    state.printer = nullptr;
    std::string line = "TEXT";
    EXPECT_EQ(test::ErrorOf([&] { STAMPATESTO(state, 1, 1, line); }).number(), 482);
    EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace kv::output
