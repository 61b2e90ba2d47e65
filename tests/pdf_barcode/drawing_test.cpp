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
        float x = 50, y = 40;
        EXPECT_GT(d.Page().DrawBarCode(c.type, c.code, x, y, true, 1, 0, c.addCheck), 0) << c.code;
        EXPECT_EQ(Decode(d.Finish()), c.decoded + "\n") << c.code;
        EXPECT_FALSE(Contains(kv::test::PdfToText(d.path), "\xC3\x86")) << "the caption leaves out FNC1";
    }
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
        float x = 1, y = 1;
        const float width = d.Page().DrawBarCode(c.type, c.code, x, y, false, c.zoom);
        EXPECT_NEAR(width, c.modules * c.unit / kPointsPerCm, 1e-3) << c.code << " zoom " << c.zoom;
        d.Finish();
    }
}

TEST(BarcodeDrawing, RefusedDataDrawNothing) {
    const std::vector<std::pair<int32_t, std::string>> cases = {
        {0, ""},         {0, "12345678901A"}, {0, "123"},   {1, ""},      {1, "caf\xE9"},
        {2, ""},         {2, "12a4"},         {3, ""},      {3, "12x45"}, {4, ""},
        {4, "tab\there"}, {4, "caf\xE9"},     {4, "\x7F"},  {5, "12345"}, {6, "123"},   {-1, "123"},
    };
    Doc d;
    d.Page();
    for (const auto& [type, code] : cases) {
        float x = 10, y = 10;
        EXPECT_EQ(d.pdf.DrawBarCode(type, code, x, y, true), 0) << type << " " << code;
    }
    const std::string content = PageContent(d.Finish());
    EXPECT_FALSE(std::regex_search(content, std::regex(" re| S|BT"))) << content;
}

TEST(BarcodeDrawing, CaptionsAndRestoredState) {
    Doc d;
    d.Page("Times New Roman", 14);
    d.pdf.SetLineWidth(3);
    d.pdf.SetXY(7, 8);
    float x = 50, y = 40;
    d.pdf.DrawBarCode(0, "400638133393", x, y, true, 1);
    EXPECT_FLOAT_EQ(d.pdf.GetX(), 7);
    EXPECT_FLOAT_EQ(d.pdf.GetY(), 8);
    d.pdf.DrawText(50, 300, "After");
    const std::string content = PageContent(d.Finish());
    ExpectContains(kv::test::PdfToText(d.path, true), {"4", "006381", "333931", "After"});
    // The captions in Courier New at 10.08 points, the later text back in the document's font.
    ASSERT_NE(content.find(" 10.08 Tf"), std::string::npos) << content;
    const size_t after = content.rfind(" Tf");
    EXPECT_TRUE(Contains(content.substr(after - 30, 30), "14")) << content.substr(after - 30);
    EXPECT_TRUE(Readback(d.path).Find({"/BaseFont /CourierNew "}));
    EXPECT_EQ(content.rfind("q 0 g 0 G"), content.find("q 0 g 0 G"));
}

}  // namespace
}  // namespace folivo::test
