// Embedding installed TrueType fonts: the written dictionary, descriptor, widths and font file agree
// with what fontTools reads from the same file, and poppler draws the text with the embedded font.

#include <gtest/gtest.h>

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

struct EmbedCase {
    std::string file;      // path of the font
    std::string base;      // expected /BaseFont
    bool embedded;
    int32_t compression;   // SetCompression mode: 0 or Flate (2)
    bool protect = false;  // 128-bit RC4 with an owner password only
    int32_t encoding = 0;  // 1: Mac Roman
};

const std::vector<EmbedCase> kCases = {
    {kLiberation + "LiberationSans-Regular.ttf", "LiberationSans", true, 0},
    {kLiberation + "LiberationSerif-Bold.ttf", "LiberationSerifBold,Bold", true, 2},
    {kLiberation + "LiberationMono-Regular.ttf", "LiberationMono", true, 2, true},
    {kLiberation + "LiberationSerif-Regular.ttf", "LiberationSerif", true, 0, false, 1},
    {kLiberation + "LiberationSans-BoldItalic.ttf", "LiberationSansBoldItalic,BoldItalic", false, 0},
    {kDejaVu + "DejaVuSerif-Italic.ttf", "DejaVuSerifItalic,Italic", true, 2},
};

TEST(TrueTypeEmbed, DocumentCarriesTheFontAsItsTablesDescribeIt) {
    for (const EmbedCase& c : kCases) {
        SCOPED_TRACE(c.file);
        if (!std::filesystem::exists(c.file)) continue;  // DejaVu is optional on the machine
        Doc doc;
        doc.pdf.BeginDoc(doc.path.string());
        doc.pdf.SetCompression(c.compression);
        if (c.protect) doc.pdf.SetProtection(4096 + 4, "proprietario", "");
        EXPECT_EQ(doc.pdf.AddFont(c.file, "Body", c.embedded, c.encoding), "Body");
        EXPECT_EQ(doc.pdf.ErrNumber(), 0) << doc.pdf.ErrDescription();
        doc.pdf.BeginPage();
        doc.pdf.SetFont("Body", 14, 0, c.encoding);
        doc.pdf.DrawText(20, 30, "Compensi a terzi 2026");
        doc.Finish();
        EXPECT_TRUE(Contains(kv::test::PdfToText(doc.path), "Compensi a terzi 2026"));

        FontEntries expected = ReferenceEntries(c.file, c.encoding ? "mac_roman" : "cp1252").at(c.base);  // fails when the name differs
        expected["FirstChar"] = "0";
        expected["LastChar"] = "255";
        if (!c.embedded) expected["Length1"] = "-";
        expected["Filter"] = c.embedded && c.compression ? "/FlateDecode" : "-";
        const FontEntries written = TrueTypeFonts(doc.path, doc.dir.path())[c.base];
        for (const auto& [key, value] : expected) EXPECT_EQ(written.count(key) ? written.at(key) : "", value) << key;

        const auto listing = PdfFontsListing(doc.path);
        EXPECT_EQ(listing.size(), 1u) << "the text uses the TrueType font only";
        const auto row = listing.count(c.base) ? listing.at(c.base) : std::pair<std::string, std::string>();
        EXPECT_EQ(row.first, "TrueType");
        EXPECT_EQ(row.second, c.embedded ? "yes" : "no");
        if (c.embedded) {
            EXPECT_EQ(kv::test::ReadFile(doc.dir / (c.base + ".ttf")), kv::test::ReadFile(c.file));
        }
    }
}

}  // namespace
}  // namespace folivo::test
