// Strings outside the page read back as written ("€" included), the bookmark panel opens when asked,
// and annotations sit where their drawing is when the page has margins.

#include <gtest/gtest.h>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// Title, first bookmark, note text, page mode, then each annotation's subtype and rectangle.
constexpr const char* kProbe = R"(
import sys, pikepdf
pdf = pikepdf.open(sys.argv[1])
print(str(pdf.docinfo.Title))
print(str(pdf.Root.Outlines.First.Title))
annots = pdf.pages[0].Annots
print(str([a for a in annots if a.Subtype == '/Text'][0].Contents))
print(str(pdf.Root.get('/PageMode', '-')))
for a in annots:
    print(str(a.Subtype), ' '.join('%g' % round(float(v), 2) for v in a.Rect))
)";

TEST(TextAndMargins, EuroReadsBackAndAnnotationsFollowTheMargins) {
    kv::test::TempDir dir("nav_text");
    const auto pdf = dir / "t.pdf";
    const std::string price = "Prezzo \x80 10 \xE0";  // Windows-1252
    FakeHost host;
    Folivo doc(host);
    doc.BeginDoc(pdf.string());
    doc.SetDocProperty(price);
    doc.SetViewerPreferences(2);
    doc.SetMargins(50, 0, 30, 0);
    doc.BeginPage();
    doc.AddBookmark(price);
    doc.DrawRect(100, 100, 40, 20);
    doc.LinkTo("https://example.org/");
    doc.AddNoteIcon(price, 0, 10, 10);
    doc.AddField("campo", 1, 20, 40, 50, 10, "sì");
    doc.EndDoc();
    ASSERT_EQ(doc.ErrNumber(), 0) << doc.ErrDescription();
    EXPECT_QPDF_CLEAN(pdf);
    kv::test::WriteFile(dir / "probe.py", kProbe);
    const auto r = kv::test::Run("/usr/bin/python3 " + (dir / "probe.py").string() + " " + pdf.string());
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string utf8Price = "Prezzo \xE2\x82\xAC 10 \xC3\xA0";
    // Page 842 high: the margins' corner is at (50, 812).
    EXPECT_EQ(r.output, utf8Price + "\n" + utf8Price + "\n" + utf8Price + "\n/UseOutlines\n" +
                            "/Link 150 692 190 712\n/Text 60 802 60 802\n/Widget 70 772 120 762\n");
}

}  // namespace
}  // namespace folivo::test
