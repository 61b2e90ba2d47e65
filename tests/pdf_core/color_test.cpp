// Colour texts: every form ParseColor reads and the components ColorToRGB gives.

#include <gtest/gtest.h>

#include <string>

#include "pdf/core/color.hpp"
#include "pdf/error.hpp"

namespace folivo {
namespace {

TEST(ParseColor, ReadsEveryForm) {
    const struct {
        const char *text, *color, *second;
    } cases[] = {
        {"", "", ""},
        {"#12345678", "#123456", ""},
        {"red", "#FF0000", ""},
        {"  Navy ", "#000080", ""},
        {"lightYellow", "#FFFFE0", ""},
        {"%50", "#808080", ""},  // 50 * 255 / 100 = 127.5 rounds to the even 128
        {"%0", "#000000", ""},
        {"%100", "#FFFFFF", ""},
        {"@255;128;0", "#FF8000", ""},
        {"@0;0;0;100", "#000000", ""},
        {"@0;100;100;0", "#FF0000", ""},
        {"@0,5;0;0;0", "#FEFFFF", ""},
        {"@1;2", "", ""},
        {"grid;#FF0000", "GRID", "#FF0000"},
        {" hatch ; blue", "HATCH", "#0000FF"},
        {"stripes", "STRIPES", ""},
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
