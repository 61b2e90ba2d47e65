// Barcodes drawn into PDF files and read back by outside tools: rendered by poppler's pdftoppm
// and decoded by zbarimg, POSTNET bars and the content operators through pikepdf, the text
// through pdftotext, every file checked by qpdf.

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

constexpr float kPointsPerCm = 28.3464566f;

// What zbarimg reads from the first page rendered at 300 dpi in grey.
std::string Decode(const std::filesystem::path& pdf) {
    const auto prefix = pdf.parent_path() / "scan";
    const auto render = kv::test::Run("pdftoppm -r 300 -gray -png -f 1 -l 1 -singlefile " +
                                      kv::test::ShellQuote(pdf.string()) + " " + kv::test::ShellQuote(prefix.string()));
    EXPECT_EQ(render.status, 0) << render.output;
    const std::string png = kv::test::ShellQuote(prefix.string() + ".png");
    return kv::test::Run("zbarimg -q --nodbus " + png + " 2>/dev/null").output;
}

// A page with one barcode at (50, 40) points; returns the drawn width.
float DrawOne(Doc& d, int32_t type, const std::string& code, bool showCode = false, float zoom = 1,
              float height = 0, bool addCheck = false) {
    d.Page();
    float x = 50;
    float y = 40;
    return d.pdf.DrawBarCode(type, code, x, y, showCode, zoom, height, addCheck);
}

struct ScanCase {
    int32_t type;
    std::string code;
    bool addCheck;
    std::string decoded;
};

TEST(BarcodeDrawing, EverySymbologyDecodesBack) {
    const std::vector<ScanCase> cases = {
        {0, "400638133393", false, "EAN-13:4006381333931"},
        {0, "5901234123450", false, "EAN-13:5901234123457"},
        {5, "9638507", false, "EAN-8:96385074"},
        {1, "CODE-39 TEST", false, "CODE-39:CODE-39 TEST"},
        // zbar reads the basic characters: the full ASCII pairs come back as they stand.
        {1, "Folivo v1.0 (a@b)", false, "CODE-39:F+O+L+I+V+O +V1.0 /H+A%V+B/I"},
        {1, "ABC", true, "CODE-39:ABCX"},
        {2, "12345670", false, "I2/5:12345670"},
        {2, "1234567", true, "I2/5:12345670"},
        {2, "12345", false, "I2/5:012345"},
        {4, "Folivo-128 {ok}", false, "CODE-128:Folivo-128 {ok}"},
        {4, "1234567890", false, "CODE-128:1234567890"},
        {4, "AB1234567CD", false, "CODE-128:AB1234567CD"},
        {4, "12345x", false, "CODE-128:12345x"},
        {4, "\xC6" "0104006381333931", false, "CODE-128:0104006381333931"},  // FNC1 first: GS1
    };
    for (const auto& c : cases) {
        Doc d;
        EXPECT_GT(DrawOne(d, c.type, c.code, true, 1, 0, c.addCheck), 0) << c.code;
        EXPECT_EQ(Decode(d.Finish()), c.decoded + "\n") << c.code;
    }
}

// Heights of the "re f*" bars of a content stream, in order.
std::vector<float> BarHeights(const std::string& content) {
    static const std::regex bar(R"(([-\d.]+) ([-\d.]+) ([-\d.]+) ([-\d.]+) re f\*)");
    std::vector<float> heights;
    for (std::sregex_iterator it(content.begin(), content.end(), bar), end; it != end; ++it) {
        heights.push_back(std::stof((*it)[4]));
    }
    return heights;
}

TEST(BarcodeDrawing, PostnetBarsFollowThePublishedTable) {
    // 12345 with check digit 5 (15 + 5 = 20): frame, 1 2 3 4 5 5, frame.
    const std::string expected = "1" "00011" "00101" "00110" "01001" "01010" "01010" "1";
    Doc d;
    DrawOne(d, 3, "12345", true);
    const std::vector<float> heights = BarHeights(PageContent(d.Finish()));
    ASSERT_EQ(heights.size(), expected.size());
    std::string bars;
    for (float h : heights) bars += h == 9.0f ? '1' : (h == 3.6f ? '0' : '?');
    EXPECT_EQ(bars, expected);
    EXPECT_TRUE(Contains(kv::test::PdfToText(d.path), "123455"));
}

TEST(BarcodeDrawing, Code39BarsAreStrokedLines) {
    Doc d;
    DrawOne(d, 1, "A");
    const std::string content = PageContent(d.Finish());
    static const std::regex line(R"(([\d.]+) w ([\d.]+) ([\d.]+) m ([\d.]+) ([\d.]+) l S)");
    const auto count =
        std::distance(std::sregex_iterator(content.begin(), content.end(), line), std::sregex_iterator());
    EXPECT_EQ(count, 15);  // "*A*": five bars a character
    EXPECT_FALSE(Contains(content, "re f*"));
    EXPECT_TRUE(Contains(content, "2.16 w")) << content;  // a wide bar: three narrow 0.72
}

TEST(BarcodeDrawing, WidthsZoomAndScale) {
    struct Case {
        int32_t type;
        std::string code;
        float zoom;
        float modules;  // width in the symbology's unit
        float unit;     // points at zoom 1
    };
    const std::vector<Case> cases = {
        {0, "400638133393", 1, 113, 0.936f},  // 11 + 95 + 7 modules
        {0, "400638133393", 0, 113, 0.936f * 0.8f},
        {0, "400638133393", 5, 113, 0.936f * 2},
        {0, "400638133393", std::nanf(""), 113, 0.936f * 0.8f},
        {5, "9638507", 1, 85, 0.936f},             // 11 + 67 + 7
        {4, "1234567890", 1, 10 + 90 + 10, 0.72f},  // start, 5 pairs, check: 7 x 11, stop 13
        {1, "A", 1, 10 + 3 * 16 - 1 + 10, 0.72f},   // 16 narrow a character, no gap after the last
        {2, "12", 1, 10 + 4 + 18 + 5 + 10, 0.72f},  // start, one pair, stop
    };
    for (const auto& c : cases) {
        Doc d;
        d.pdf.SetScale(3, kPointsPerCm);  // centimetres
        d.Page();
        float x = 1;
        float y = 1;
        const float width = d.pdf.DrawBarCode(c.type, c.code, x, y, false, c.zoom);
        EXPECT_NEAR(width, c.modules * c.unit / kPointsPerCm, 1e-3) << c.code << " zoom " << c.zoom;
        d.Finish();
    }
}

TEST(BarcodeDrawing, RefusedDataDrawNothing) {
    const std::vector<std::pair<int32_t, std::string>> cases = {
        {0, ""},         {0, "12345678901A"}, {0, "123"},   {1, ""},      {1, "caf\xE9"},
        {2, ""},         {2, "12a4"},         {3, ""},      {3, "12x45"}, {4, ""},
        {4, "tab\there"}, {4, "caf\xE9"},     {5, "12345"}, {6, "123"},   {-1, "123"},
    };
    Doc d;
    d.Page();
    for (const auto& [type, code] : cases) {
        float x = 10;
        float y = 10;
        EXPECT_EQ(d.pdf.DrawBarCode(type, code, x, y, true), 0) << type << " " << code;
    }
    const std::string content = PageContent(d.Finish());
    EXPECT_FALSE(Contains(content, " re")) << content;
    EXPECT_FALSE(Contains(content, " S")) << content;
    EXPECT_FALSE(Contains(content, "BT")) << content;
}

TEST(BarcodeDrawing, CaptionsAndRestoredState) {
    Doc d;
    d.Page("Times New Roman", 14);
    d.pdf.SetLineWidth(3);
    d.pdf.SetXY(7, 8);
    float x = 50;
    float y = 40;
    d.pdf.DrawBarCode(0, "400638133393", x, y, true, 1);
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 7);
    EXPECT_FLOAT_EQ(d.pdf.GetY(), 8);
    d.pdf.DrawText(50, 300, "After");
    const std::string content = PageContent(d.Finish());
    const std::string text = kv::test::PdfToText(d.path, true);
    ExpectContains(text, {"4", "006381", "333931", "After"});
    // The captions in Courier New at 10.08 points, the later text back in the document's font.
    const size_t caption = content.find(" 10.08 Tf");
    const size_t after = content.rfind(" Tf");
    ASSERT_NE(caption, std::string::npos) << content;
    EXPECT_TRUE(Contains(content.substr(after - 30, 30), "14")) << content.substr(after - 30);
    EXPECT_TRUE(Contains(FontSummary(d.path), "CourierNew"));
    EXPECT_EQ(content.rfind("q 0 g 0 G"), content.find("q 0 g 0 G"));
}

TEST(BarcodeDrawing, CaptionsSitCentredUnderTheBars) {
    struct Case {
        int32_t type;
        std::string code;
        std::string word;
    };
    const std::vector<Case> cases = {
        {1, "CENTRE", "CENTRE"}, {2, "1234", "1234"}, {3, "12345", "123455"}, {4, "Centre", "Centre"}};
    for (const auto& c : cases) {
        Doc d;
        const float width = DrawOne(d, c.type, c.code, true);
        const auto box = FindWord(WordBoxes(d.Finish()), c.word);
        EXPECT_NEAR((box.xMin + box.xMax) / 2, 50 + width / 2, 0.5) << c.code;
        EXPECT_GT(box.yMax, 40 + 14.4) << c.code;  // under the bars (14.4 points at most)
    }
}

TEST(BarcodeDrawing, Code128CaptionLeavesOutFnc1) {
    Doc d;
    DrawOne(d, 4, "\xC6" "0104006381333931", true);
    const std::string text = kv::test::PdfToText(d.Finish());
    EXPECT_TRUE(Contains(text, "0104006381333931")) << text;
    EXPECT_FALSE(Contains(text, "\xC3\x86")) << text;  // no "Æ" in the UTF-8 text
}

TEST(BarcodeDrawing, NoCaptionLeavesTheFontAlone) {
    Doc d;
    d.Page("Arial");
    float x = 50;
    float y = 40;
    d.pdf.DrawBarCode(4, "NOTEXT", x, y, false);
    d.Finish();
    EXPECT_FALSE(Contains(kv::test::PdfToText(d.path), "NOTEXT"));
    EXPECT_FALSE(Contains(FontSummary(d.path), "CourierNew"));
}

TEST(BarcodeDrawing, GivenHeightIncludesTheTextBand) {
    struct Case {
        int32_t type;
        std::string code;
        bool showCode;
        float height;
        float bar;    // ordinary bars
        float guard;  // the first bar (EAN guards reach through the text band)
    };
    const std::vector<Case> cases = {
        {4, "HEIGHT", true, 30, 30 - 4.68f, 30 - 4.68f},
        {4, "HEIGHT", false, 30, 30, 30},
        {4, "HEIGHT", true, 3, 0.72f, 0.72f},  // nothing left: one module
        {0, "400638133393", false, 0, 64.8f, 64.8f + 4.68f},
        {0, "400638133393", true, 40, 40 - 4.68f, 40},
        {5, "9638507", true, 0, 48.96f, 48.96f + 4.68f},
    };
    for (const auto& c : cases) {
        Doc d;
        DrawOne(d, c.type, c.code, c.showCode, 1, c.height);
        const std::vector<float> heights = BarHeights(PageContent(d.Finish()));
        ASSERT_GT(heights.size(), 2u);
        EXPECT_NEAR(heights[0], c.guard, 1e-3) << c.code << " " << c.height;
        EXPECT_NEAR(heights[2], c.bar, 1e-3) << c.code << " " << c.height;
    }
}

}  // namespace
}  // namespace folivo::test
