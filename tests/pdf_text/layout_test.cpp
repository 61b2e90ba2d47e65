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

TEST(TextBox, AWordLongerThanTheBoxStandsAloneOnItsLine) {
    // Wrapping at the box edge, indentation and shrinking are read back from files elsewhere.
    const BoxLayout layout = BreakTextBox({"abcdefghij xy", 30, 0, kAlignLeft, 11.33f, 0}, Courier10());
    ASSERT_EQ(layout.lines.size(), 2u);
    EXPECT_EQ(layout.lines[0].text, "abcdefghij");
    EXPECT_EQ(layout.lines[1].text, "xy");
}

TEST(TextBox, ParagraphsAtLineEndsWithEmptyOnesKept) {
    const TextMeasure m = Courier10();
    BoxLayout layout = BreakTextBox({"one\r\n\r\ntwo\r\n", 100, 0, kAlignLeft, 10, 0}, m);
    ASSERT_EQ(layout.lines.size(), 4u);
    EXPECT_EQ(layout.lines[0].text, "one");
    EXPECT_EQ(layout.lines[1].text, " ");  // the empty paragraph holds one space
    EXPECT_EQ(layout.lines[2].text, "two");
    EXPECT_EQ(layout.lines[3].text, " ");  // the trailing line end
    for (const auto& line : layout.lines) EXPECT_TRUE(line.first && line.last);

    EXPECT_EQ(BoxParagraphs("a\r\n\r\n\r\nb", kAlignLeft),
              (std::vector<std::string>{"a", " ", " ", "b"}));
    // Justified text loses runs of spaces; other text keeps them.
    EXPECT_EQ(BoxParagraphs("a    b", kAlignJustify), (std::vector<std::string>{"a b"}));
    EXPECT_EQ(BoxParagraphs("a  b", kAlignLeft), (std::vector<std::string>{"a  b"}));
}

TEST(TextBox, HeightLimitCutsBetweenOrInsideParagraphs) {
    // A cut inside a paragraph is marked by code 0 (read back from files elsewhere); a cut between
    // paragraphs leaves no mark; a box that ends with the text leaves nothing; the first line is
    // placed even when the box is lower than a line.
    const TextMeasure m = Courier10();
    EXPECT_EQ(BreakTextBox({"aaa\r\nbbb\r\nccc", 45, 0, kAlignLeft, 10, 25}, m).rest, "ccc");
    EXPECT_EQ(BreakTextBox({"aaa\r\nbbb", 45, 0, kAlignLeft, 10, 25}, m).rest, "");
    const BoxLayout low = BreakTextBox({"aaa bbb ccc", 20, 0, kAlignLeft, 10, 5}, m);
    ASSERT_EQ(low.lines.size(), 1u);
    EXPECT_EQ(low.rest, std::string("\0bbb ccc", 8));
}

}  // namespace
}  // namespace folivo::text
