// The forgiving number reader shared by colour components and dash lengths.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "pdf/core/leading_number.hpp"

namespace folivo {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextStartsWithAndTakesJunkAsZero) {
    const std::pair<std::string_view, double> cases[] = {
        {"12abc", 12},  {" 2.5mm", 2.5}, {"\t7", 7},    {"-3", -3},    {"+4.25", 4.25}, {"1.2.3", 1.2},
        {"x", 0},       {"", 0},         {"   ", 0},   {".", 0},      {"-", 0},        {"- 5", 0},
        {"50%", 50},    {".5", 0.5},     {"3 4", 3},   {"1e5", 1},
    };
    for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << '"' << text << '"';
}

}  // namespace
}  // namespace folivo
