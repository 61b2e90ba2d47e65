// Measuring, aligning and wrapping text without a document: the pure functions behind the text
// members.

#include <gtest/gtest.h>

#include "pdf/fonts/core_metrics.hpp"
#include "pdf/text/line_layout.hpp"
#include "pdf/text/measure.hpp"
#include "pdf/text/paint_operator.hpp"
#include "pdf/text/text_box.hpp"

namespace folivo::text {
namespace {

// Courier makes every character 600/1000 of the size: at 10 pt, 6 points a character.
TextMeasure Courier10(SpacingState state = {}) {
    state.fontSize = 10;
    return TextMeasure(fonts::kCourier, state);
}

TEST(LinePlan, OneWordIsNotJustifiedAndScalingIsPlannedAtFullWidth) {
    // Justified, shrunk and fitted lines are read back from files; these are the plans behind them.
    EXPECT_EQ(PlanLine("abc", 100, 0, kAlignJustify, Courier10()).adjust, LineAdjust::kNone);
    // Measured at 100 % whatever the current scaling: 10 characters = 60 points.
    const TextMeasure half = Courier10({0, 0, 0, 50, 1});
    const LinePlan shrunk = PlanLine("abcdefghij", 30, 0, kAlignShrink, half);
    EXPECT_FLOAT_EQ(shrunk.length, 60);
    EXPECT_EQ(shrunk.adjust, LineAdjust::kScaling);
    EXPECT_FLOAT_EQ(shrunk.value, 50);
    EXPECT_EQ(PlanLine("abcdefghij", 30, 0, kAlignFit, half).adjust, LineAdjust::kScaling);
}

// The lines a box breaks into, "[" marking a paragraph's first line and "]" its last, and what it
// leaves over. Wrapping at the box edge, indentation and shrinking are read back from files elsewhere.
TEST(TextBox, LinesParagraphsAndTheRestPastTheHeightLimit) {
    const struct {
        const char* text;
        float width, heightLimit;
        std::vector<std::string> lines;
        std::string rest;
    } cases[] = {
        {"abcdefghij xy", 30, 0, {"[abcdefghij", "xy]"}, ""},  // a word longer than the box stands alone
        // An empty paragraph and the trailing line end each hold one space.
        {"one\r\n\r\ntwo\r\n", 100, 0, {"[one]", "[ ]", "[two]", "[ ]"}, ""},
        // A cut between paragraphs leaves no mark, a cut inside one is marked by code 0 (read back from
        // files elsewhere); the first line is placed even when the box is lower than a line.
        {"aaa\r\nbbb\r\nccc", 45, 25, {"[aaa]", "[bbb]"}, "ccc"},
        {"aaa\r\nbbb", 45, 25, {"[aaa]", "[bbb]"}, ""},
        {"aaa bbb ccc", 20, 5, {"[aaa"}, std::string("\0bbb ccc", 8)},
    };
    for (const auto& c : cases) {
        const BoxLayout layout = BreakTextBox({c.text, c.width, 0, kAlignLeft, 10, c.heightLimit}, Courier10());
        std::vector<std::string> lines;
        for (const auto& line : layout.lines) lines.push_back((line.first ? "[" : "") + line.text + (line.last ? "]" : ""));
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_EQ(layout.rest, c.rest) << c.text;
    }
    EXPECT_EQ(BoxParagraphs("a\r\n\r\n\r\nb", kAlignLeft), (std::vector<std::string>{"a", " ", " ", "b"}));
    // Justified text loses runs of spaces; other text keeps them.
    EXPECT_EQ(BoxParagraphs("a    b", kAlignJustify), (std::vector<std::string>{"a b"}));
    EXPECT_EQ(BoxParagraphs("a  b", kAlignLeft), (std::vector<std::string>{"a  b"}));
}

}  // namespace
}  // namespace folivo::text
