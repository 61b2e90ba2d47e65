// Subset fonts: a document that embeds only the glyphs it drew (accented capitals built from
// composite glyphs included) renders and reads back exactly as with the whole font, in a fraction of
// the bytes, under a tagged name.

#include <gtest/gtest.h>

#include <regex>

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

struct SubsetCase {
    std::string file;
    std::string base;
    int32_t compression;
    int32_t encoding;     // 1: Mac Roman
    std::string line;     // in the encoding's bytes
};

const std::vector<SubsetCase> kCases = {
    {kDejaVu + "DejaVuSans.ttf", "DejaVuSans", 2, 0, "Qualit\xE0 \x80 \x93netto\x94 \xC0 \xC9 \xC8 \xD2 \xD9 \xE7"},
    {kLiberation + "LiberationSerif-Regular.ttf", "LiberationSerif", 0, 1, "Qualit\x88 \xD2netto\xD3 \xCB \x83 \xA7"},
};

struct Written {
    std::string text;    // pdftotext, UTF-8
    std::string pixels;  // the page at 150 dpi, grey
    uintmax_t size = 0;
    NamedEntries fonts;  // the TrueType fonts, by base font name
    FontEntries hinting;  // of the embedded file, read by fontTools
};

Written WriteWith(const SubsetCase& c, bool subset) {
    Doc doc;
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.SetCompression(c.compression);
    if (subset) doc.pdf.SetFontSubsetting(true);
    doc.pdf.AddFont(c.file, "Corpo", true, c.encoding);  // before the text is known
    EXPECT_EQ(doc.pdf.ErrNumber(), 0) << doc.pdf.ErrDescription();
    doc.pdf.BeginPage();
    doc.pdf.SetFont("Corpo", 24, 0, c.encoding);
    doc.pdf.DrawText(20, 60, c.line);
    doc.pdf.DrawText(20, 120, "Registro compensi 2026");
    doc.Finish();
    const NamedEntries embedded = TrueTypeFonts(doc.path, doc.dir.path());
    const std::string file = embedded.empty() ? "" : (doc.dir / (embedded.begin()->first + ".ttf")).string();
    return {Utf8Text(doc.path), RenderGrey(doc.path), std::filesystem::file_size(doc.path), embedded,
            Probe("hinting " + kv::test::ShellQuote(file))["hinting"]};
}

TEST(TrueTypeSubset, SubsetDrawsAndReadsAsTheWholeFont) {
    for (const SubsetCase& c : kCases) {
        SCOPED_TRACE(c.file);
        if (!std::filesystem::exists(c.file)) continue;  // DejaVu is optional on the machine
        const Written whole = WriteWith(c, false);
        const Written subset = WriteWith(c, true);
        EXPECT_FALSE(whole.pixels.empty());
        EXPECT_TRUE(whole.pixels == subset.pixels) << "the subset draws other shapes";
        EXPECT_EQ(subset.text, whole.text);
        EXPECT_TRUE(Contains(subset.text, "Registro compensi 2026")) << subset.text;
        EXPECT_LT(subset.size * 4, whole.size);

        ASSERT_EQ(subset.fonts.size(), 1u);
        const auto& [name, entries] = *subset.fonts.begin();
        EXPECT_TRUE(std::regex_match(name, std::regex("[A-Z]{6}\\+" + c.base))) << name;
        EXPECT_EQ(entries.at("ToUnicode"), "yes");
        EXPECT_EQ(whole.fonts.count(c.base), 1u) << "subsetting is off by default";
        EXPECT_NE(whole.hinting.at("program"), "0");
        EXPECT_EQ(subset.hinting.at("tables"), "-") << "the subset keeps hinting tables";
        EXPECT_EQ(subset.hinting.at("program"), "0") << "the subset keeps glyph instructions";
    }
}

// Mac Roman's 0xDB is the euro sign in Apple's mapping, which chooses the glyph, and "currency" in
// PDF's MacRomanEncoding, by which a viewer looks it up: the subset must draw the euro either way.
TEST(TrueTypeSubset, MacRomanEuroDrawsAsTheWindowsOne) {
    const std::string file = kLiberation + "LiberationSerif-Regular.ttf";
    const auto draw = [&](int32_t encoding, const std::string& line) {
        return WriteWith({file, "LiberationSerif", 2, encoding, line}, true);
    };
    const Written mac = draw(1, "10 \xDB");
    const Written windows = draw(0, "10 \x80");
    EXPECT_TRUE(mac.pixels == windows.pixels) << "0xDB draws another glyph than the euro";
    EXPECT_TRUE(Contains(mac.text, "10 \xE2\x82\xAC")) << mac.text;
}

}  // namespace
}  // namespace folivo::test
