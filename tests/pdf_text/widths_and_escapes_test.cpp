// The two per-character passes over every line drawn: the width sum of a single-byte font and the
// escapes of a literal string. Both walk several bytes a round, so the cases put the telling
// characters at every place of a round and in the bytes left over after the last one.

#include <gtest/gtest.h>

#include <string>

#include "pdf/core/string_format.hpp"
#include "pdf/fonts/core_metrics.hpp"
#include "pdf/text/measure.hpp"

namespace folivo::text {
namespace {

// Helvetica's published widths: i 222, a 556, W 944, space 278 (thousandths of the size).
TEST(TextMeasure, ProportionalWidthsAddUpWhateverTheLengthAndSpacing) {
    struct Case {
        const char* text;
        SpacingState state;
        float points;
    };
    const Case cases[] = {
        {"", {10, 0, 0, 100, 1}, 0},
        {"W", {10, 0, 0, 100, 1}, 9.44f},
        {"iiiW", {10, 0, 0, 100, 1}, 16.1f},           // one round
        {"iiiiW", {10, 0, 0, 100, 1}, 18.32f},         // a round and one left over
        {"Wiiiiiiaa", {10, 0, 0, 100, 1}, 33.88f},     // two rounds and one
        {"aaaaaaiW", {10, 0, 0, 100, 1}, 45.02f},      // the wide one last in the second round
        {"a a a", {10, 0, 2, 100, 1}, 26.24f},         // two spaces of 2 more points
        {"a a a", {10, 1, 0, 100, 1}, 27.24f},         // five characters of 1 more point
        {"a a a", {10, 0, 2, 50, 2}, 6.56f},           // at half scaling, two points a unit
        {"aaa", {10, 0, 2, 100, 1}, 16.68f},           // word spacing and no space
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(TextMeasure(fonts::kHelvetica, c.state).Length(c.text), c.points) << '"' << c.text << '"';
    }
}

TEST(EscapedText, EveryEscapeFoundAtEveryPlaceOfARound) {
    // One character to escape at each place of a 19-byte line, then two next to each other.
    const std::string plain = "ABCDEFGHIJKLMNOPQRS";
    const std::pair<char, const char*> escapes[] = {{'(', "\\("}, {')', "\\)"}, {'\\', "\\\\"}, {'\r', "\\r"},
                                                    {'\n', "\\n"}};
    for (const auto& [character, escape] : escapes) {
        for (size_t at = 0; at < plain.size(); ++at) {
            std::string line = plain;
            line[at] = character;
            const std::string expected = plain.substr(0, at) + escape + plain.substr(at + 1);
            std::string out = "x";
            AppendEscaped(out, line);
            EXPECT_EQ(out, "x" + expected) << "at " << at;
        }
    }
    EXPECT_EQ(EscapeString("12345678()"), "12345678\\(\\)");
    EXPECT_EQ(EscapeString("1234567\\\\8"), "1234567\\\\\\\\8");
    EXPECT_EQ(EscapeString("12345678"), "12345678");
    EXPECT_EQ(EscapeString(""), "");
}

}  // namespace
}  // namespace folivo::text
