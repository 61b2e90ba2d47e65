// Amount fields read to the cent and written back, including damaged and over-long fields.

#include <gtest/gtest.h>

#include "reports/money.hpp"

namespace kv::reports {
namespace {

TEST(Money, FieldsReadToTheCentAndWriteBack) {
    const struct {
        const char* field;
        char mark;
        Cents cents;
        const char* written;
    } cases[] = {
        {"0001000.00", '.', 100000, "1000.00"},
        {"  -12.5", '.', -1250, "-12.50"},
        {"1.234,56", ',', 100, "1,00"},  // reading stops at a character that is no part of a number
        {"7.999", '.', 799, "7.99"},       // a third decimal is ignored, not rounded
        {"000000000000000001.00", '.', 100, "1.00"},  // leading zeros of a wide field
        {"99999999999999999999999.00", '.', 999999999999900, "9999999999999.00"},
        {"x12", '.', 0, "0.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(CentsOfText(c.field, c.mark), c.cents);
        EXPECT_EQ(FormatAmount(c.cents, c.mark), c.written);
        EXPECT_EQ(CentsOfText(FormatAmount(c.cents, c.mark), c.mark), c.cents);
    }
    EXPECT_EQ(AmountColumn(-5, ','), "     -0,05");
    EXPECT_EQ(AmountColumn(999999999999900, '.'), "9999999.00");  // the column keeps the last ten
}

}  // namespace
}  // namespace kv::reports
