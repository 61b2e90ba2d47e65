// The fill colour around a line of text: set to the text colour before the text object and put
// back after it. Lines drawn under colours already seen reuse what the first one wrote, so each
// case changes one of the four colours (text, its pattern colour, fill, its pattern colour) and
// reads the operators on both sides of every line back with pikepdf.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// The content line before the text object that shows `word` and the one after it.
std::pair<std::string, std::string> ColoursAround(const std::string& content, const std::string& word) {
    const size_t shown = content.find("(" + word + ") Tj");
    if (shown == std::string::npos) return {"missing", "missing"};
    const size_t begin = content.rfind("BT\r", shown);
    const size_t lineBefore = content.rfind('\r', begin - 2) + 1;
    const size_t after = content.find("ET\r", shown) + 3;
    const size_t lineEnd = content.find('\r', after);
    return {content.substr(lineBefore, begin - 1 - lineBefore), content.substr(after, lineEnd - after)};
}

TEST(TextColours, EveryColourChangeShowsAroundTheNextLine) {
    struct Line {
        std::vector<const char*> fills;  // SetColorFill calls before the line, in order
        const char* text;                // SetColorText before the line, or null
        const char* word;
        const char* set;
        const char* restore;
    };
    const Line lines[] = {
        {{"#FF0000"}, "#0000FF", "a", "0 0 1 rg", "1 0 0 rg"},
        {{}, nullptr, "b", "0 0 1 rg", "1 0 0 rg"},
        {{}, "#00FF00", "c", "0 1 0 rg", "1 0 0 rg"},                     // text colour
        {{"#FFFF00"}, nullptr, "d", "0 1 0 rg", "1 1 0 rg"},              // fill colour
        // The fill's pattern colour set first to the one the text's leaves behind, so that only
        // the text's pattern colour tells "f" from "e".
        {{"grid;#0000FF", "#FFFF00"}, "grid;#0000FF", "e", "/xxCSxx cs 0 0 1 /GRID scn", "1 1 0 rg"},
        {{"grid;#0000FF", "#FFFF00"}, "grid;#FF00FF", "f", "/xxCSxx cs 1 0 1 /GRID scn", "1 1 0 rg"},
        {{"grid;#00FFFF"}, "#0000FF", "g", "0 0 1 rg", "/xxCSxx cs 0 1 1 /GRID scn"},
        {{"grid;#FFFFFF"}, nullptr, "h", "0 0 1 rg", "/xxCSxx cs 1 1 1 /GRID scn"},  // fill's pattern colour
        {{}, nullptr, "i", "0 0 1 rg", "/xxCSxx cs 1 1 1 /GRID scn"},
        // A text pattern colour leaves its colour as the fill's pattern colour; the same start
        // again must leave it too, which the next pattern fill without a colour of its own shows.
        {{"grid;#FF0000", "#FFFF00"}, "grid;#0000FF", "j", "/xxCSxx cs 0 0 1 /GRID scn", "1 1 0 rg"},
        {{"grid;#FF0000", "#FFFF00"}, nullptr, "k", "/xxCSxx cs 0 0 1 /GRID scn", "1 1 0 rg"},
        {{"grid"}, "#000000", "l", "0 0 0 rg", "/xxCSxx cs 0 0 1 /GRID scn"},
    };
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.BeginPage();
    d.pdf.SetFont("Courier New", 9);
    float y = 20;
    for (const Line& line : lines) {
        for (const char* fill : line.fills) d.pdf.SetColorFill(fill);
        if (line.text) d.pdf.SetColorText(line.text);
        d.pdf.DrawText(20, y += 12, line.word);
    }
    d.Finish();
    const std::string content = Readback(d.path).Content();
    for (const Line& line : lines) {
        const auto [set, restore] = ColoursAround(content, line.word);
        EXPECT_EQ(set, line.set) << line.word;
        EXPECT_EQ(restore, line.restore) << line.word;
    }
}

}  // namespace
}  // namespace folivo::test
