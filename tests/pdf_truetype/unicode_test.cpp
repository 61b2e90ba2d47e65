// Type 0 fonts (AddFont with Encoding 2): UTF-8 text in any script the font covers reads back letter
// for letter from a tagged subset with a Unicode map, is measured and justified by characters, and
// draws the same shapes, accented composites included, as the whole font does.

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

const std::string kSans = kDejaVu + "DejaVuSans.ttf";
constexpr int32_t kUnicode = 2;

TEST(TrueTypeUnicode, EveryScriptReadsBackFromATaggedSubsetJustifiedByCharacters) {
    if (!std::filesystem::exists(kSans)) GTEST_SKIP() << "DejaVu Sans is not installed";
    Doc doc;
    doc.pdf.SetScale(0);  // points, as pdftotext measures
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.AddFont(kSans, "Corpo", false, kUnicode);  // embedded all the same
    ASSERT_EQ(doc.pdf.ErrNumber(), 0) << doc.pdf.ErrDescription();
    doc.pdf.BeginPage();
    doc.pdf.SetFont("Corpo", 12);
    doc.pdf.DrawText(40, 60, "Perché la qualità è più alta, però");
    // WriteText leaves the current point after the Greek word, measured by characters.
    doc.pdf.SetXY(40, 80);
    doc.pdf.WriteText("Ελληνικά:", 0, 100);
    doc.pdf.WriteTextLn(" Καλημέρα κόσμε");
    doc.pdf.DrawText(40, 100, "Русский: Съешь же ещё этих мягких булок");
    constexpr float kBoxLeft = 40, kBoxWidth = 230;
    const std::string rest = doc.pdf.DrawTextBox(
        kBoxLeft, 120, kBoxWidth, 0,
        "Zażółć gęślą jaźń, pchnąć w tę łódź jeża lub ośm skrzyń fig; Съешь же ещё этих мягких французских булок",
        0, 64, 1);
    EXPECT_EQ(rest, "");
    doc.Finish();

    const std::string text = Utf8Text(doc.path);
    ExpectContains(text, {"Perché la qualità è più alta, però\n", "Ελληνικά: Καλημέρα κόσμε\n",
                          "Русский: Съешь же ещё этих мягких булок\n", "Zażółć", "французских"});
    const auto boxes = WordBoxes(doc.path);
    const WordBox greek = FindWord(boxes, "Ελληνικά:");
    EXPECT_NEAR(FindWord(boxes, "Καλημέρα").xMin - greek.xMax, 12 * 0.318, 0.5) << "one space after the word";
    // Every line of the justified box but its last ends at the box's right edge.
    int edgeLines = 0;
    for (size_t i = 0; i + 1 < boxes.size(); ++i) {
        const bool endsLine = std::abs(boxes[i + 1].yMin - boxes[i].yMin) > 1 && boxes[i].yMin > 110;
        if (endsLine && boxes[i + 1].yMin > boxes[i].yMin) {
            EXPECT_NEAR(boxes[i].xMax, kBoxLeft + kBoxWidth, 0.5) << boxes[i].word;
            ++edgeLines;
        }
    }
    EXPECT_GE(edgeLines, 2);

    const std::string listing = kv::test::Run("pdffonts " + kv::test::ShellQuote(doc.path.string())).output;
    EXPECT_TRUE(std::regex_search(listing, std::regex(R"([A-Z]{6}\+DejaVuSans +CID TrueType +Identity-H +yes yes yes)")))
        << listing;
}

TEST(TrueTypeUnicode, SubsetDrawsTheShapesOfTheWholeFont) {
    // The same accented capitals and small letters (composite glyphs) through the whole font as a
    // simple font and through the Type 0 subset; DejaVu maps characters in format 12, Liberation in
    // format 4 only.
    const auto write = [](Doc& doc, const std::string& file, int32_t encoding, const std::string& line) {
        doc.pdf.BeginDoc(doc.path.string());
        doc.pdf.AddFont(file, "Corpo", true, encoding);
        doc.pdf.BeginPage();
        doc.pdf.SetFont("Corpo", 24);
        doc.pdf.DrawText(20, 60, line);
        doc.Finish();
        return RenderGrey(doc.path);
    };
    for (const std::string& file : {kSans, kLiberation + "LiberationSerif-Regular.ttf"}) {
        SCOPED_TRACE(file);
        if (!std::filesystem::exists(file)) continue;
        Doc whole;
        Doc subset;
        const std::string wholePixels = write(whole, file, 0, "Citt\xE0 \xC0 \xC8 \xC9 \xCC \xD2 \xD9 \xE7 \xF1 \xFC 2026");
        const std::string subsetPixels = write(subset, file, kUnicode, "Città À È É Ì Ò Ù ç ñ ü 2026");
        EXPECT_FALSE(wholePixels.empty());
        EXPECT_TRUE(wholePixels == subsetPixels) << "the subset draws other shapes";
        EXPECT_LT(std::filesystem::file_size(subset.path) * 8, std::filesystem::file_size(whole.path));
    }
}

}  // namespace
}  // namespace folivo::test
