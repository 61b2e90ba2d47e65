// STAMPATESTO on both targets: which texts are written, where, and that the text line is always
// emptied; the numeric texts it judges by the locale's decimal separator.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/numeric_text.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::output {
namespace {

TEST(NumericText, FollowsTheDecimalSeparatorOfTheLocale) {
    for (const char* text : {"0,00", "1,50", "  12 ", "-3", "3-", "(4)", "1.234,5", "1e3", "&H1F", "+,5"})
        EXPECT_TRUE(IsNumericText(text, ',')) << text;
    for (const char* text : {"", "  ", "-", ",", "1,2,3", "DITTA: 001", "12 A", ".5", "1e", "&HG", "--1", "1 2"})
        EXPECT_FALSE(IsNumericText(text, ',')) << text;
    // With "." as the decimal mark the comma groups digits.
    EXPECT_TRUE(IsNumericText("1,234.5", '.'));
    EXPECT_FALSE(IsNumericText("0,5.1.2", '.'));
}

using StampText = OutputFixture;

// The same texts are written on both targets, at the place asked; the text line is always emptied.
TEST_F(StampText, TextsPassTheZeroRuleOnBothTargetsAndTheLineIsAlwaysEmptied) {
    const struct {
        const char* text;
        bool printZero, written;
    } cases[] = {
        {"", true, false},        {"     ", true, false},  {"0,00", false, false},
        {"0,00", true, true},     {"   0,00", false, false},
        {"0,50", false, false},  // the value read stops at the comma
        {"1,50", false, true},    {"DITTA: 000 0,00 00000", false, true},
    };
    for (bool pdf : {true, false}) {
        state.MODOPDF = pdf;
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(pdf ? "pdf " : "printer ") + "\"" + c.text + "\"");
            const size_t drawn = log->calls.size(), printed = printer.printed.size();
            std::string line = c.text;
            STAMPATESTO(state, 3, 2, line, c.printZero);
            EXPECT_EQ(line, "");
            const size_t written = pdf ? log->calls.size() - drawn - 1 : printer.printed.size() - printed;
            EXPECT_EQ(written, c.written ? 1u : 0u);
        }
    }
    EXPECT_EQ(log->calls[4], "DrawText(2,3,0,00,1)");  // column, row in centimetres
    EXPECT_EQ(log->writersMade, 1) << "one writer, made when first needed";
    ASSERT_EQ(printer.printed.size(), 3u);
    EXPECT_EQ(printer.printed[0].text, "0,00");
    EXPECT_EQ(printer.printed[0].x, 963);   // (2 - 0.3) * 567 = 963.9
    EXPECT_EQ(printer.printed[0].y, 1360);  // (3 - 0.6) * 567 = 1360.8
    // A signed zero with "." as the decimal mark.
    EXPECT_TRUE(IsTextWritten("000000-", true, '.'));
    EXPECT_FALSE(IsTextWritten("000000-", false, '.'));
}

using StampOnPrinter = OutputFixture;

TEST_F(StampOnPrinter, NoPrinterIsAPrinterErrorAndTheLineIsStillEmptied) {
    state.printer = nullptr;
    std::string line = "TEXT";
    EXPECT_EQ(test::ErrorOf([&] { STAMPATESTO(state, 1, 1, line); }).number(), 482);
    EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace kv::output
