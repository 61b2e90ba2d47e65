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
};

const std::vector<EmbedCase> kCases = {
    {kLiberation + "LiberationSans-Regular.ttf", "LiberationSans", true, 0},
    {kLiberation + "LiberationSerif-Bold.ttf", "LiberationSerifBold,Bold", true, 2},
    {kLiberation + "LiberationMono-Regular.ttf", "LiberationMono", true, 2, true},
    {kLiberation + "LiberationSans-BoldItalic.ttf", "LiberationSansBoldItalic,BoldItalic", false, 0},
    {kDejaVu + "DejaVuSerif-Italic.ttf", "DejaVuSerifItalic,Italic", true, 2},
};

// The entries of `reference` that `written` must repeat.
void ExpectSameEntries(const FontEntries& reference, const FontEntries& written, const std::string& font) {
    for (const auto& [key, value] : reference) {
        if (key == "Length1" && written.at("Length1") == "-") continue;  // checked by the caller
        EXPECT_EQ(written.count(key) ? written.at(key) : "(none)", value) << font << " /" << key;
    }
}

TEST(TrueTypeEmbed, DocumentCarriesTheFontAsItsTablesDescribeIt) {
    for (const EmbedCase& c : kCases) {
        SCOPED_TRACE(c.file);
        if (!std::filesystem::exists(c.file)) continue;  // DejaVu is optional on the machine
        Doc doc;
        doc.pdf.BeginDoc(doc.path.string());
        doc.pdf.SetCompression(c.compression);
        if (c.protect) doc.pdf.SetProtection(4096 + 4, "proprietario", "");
        EXPECT_EQ(doc.pdf.AddFont(c.file, "Body", c.embedded), "Body");
        EXPECT_EQ(doc.pdf.ErrNumber(), 0) << doc.pdf.ErrDescription();
        doc.pdf.BeginPage();
        doc.pdf.SetFont("Body", 14);
        doc.pdf.DrawText(20, 30, "Compensi a terzi 2026");
        doc.pdf.EndPage();
        doc.Finish();

        EXPECT_TRUE(Contains(kv::test::PdfToText(doc.path), "Compensi a terzi 2026"));
        const auto fonts = TrueTypeFonts(doc.path, doc.dir.path());
        ASSERT_EQ(fonts.count(c.base), 1u) << PdfFonts(doc.path);
        const FontEntries& written = fonts.at(c.base);

        const auto [base, expected] = ReferenceEntries(c.file);
        EXPECT_EQ(base, c.base);
        ExpectSameEntries(expected, written, c.base);
        EXPECT_EQ(written.at("Widths"), JoinWidths(ReferenceWidths(c.file)));
        EXPECT_EQ(written.at("FirstChar"), "0");
        EXPECT_EQ(written.at("LastChar"), "255");

        const std::string row = PdfFontsRow(PdfFonts(doc.path), c.base);
        std::istringstream columns(row);
        std::string name, type, encoding, emb;
        columns >> name >> type >> encoding >> emb;
        EXPECT_EQ(type, "TrueType") << row;
        EXPECT_EQ(emb, c.embedded ? "yes" : "no") << row;
        if (c.embedded) {
            EXPECT_EQ(kv::test::ReadFile(doc.dir / (c.base + ".ttf")), kv::test::ReadFile(c.file));
            EXPECT_EQ(written.at("Filter"), c.compression ? "/FlateDecode" : "-");
        } else {
            EXPECT_EQ(written.at("Length1"), "-");
        }
    }
}

}  // namespace
}  // namespace folivo::test
