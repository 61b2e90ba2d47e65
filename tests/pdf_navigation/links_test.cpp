// Links over drawn areas and named destinations, read back as a viewer resolves them.

#include <gtest/gtest.h>

#include "pdf/navigation/link_target.hpp"
#include "tests/pdf_navigation/nav_readback.hpp"

namespace folivo::test {
namespace {

using navigation::ResolvePage;

TEST(Links, PageArgumentsResolveAgainstTheCurrentPage) {
    struct Case {
        const char* argument;
        std::optional<int32_t> page;
    };
    const Case cases[] = {
        {"FIRST", 1}, {"last", 0}, {"Next", 6}, {"PREV", 4}, {"3", 3},     {"+2", 7},
        {"-2", 3},    {"-9", 1},   {"0", {}},   {"x", {}},   {"+x", {}},   {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ResolvePage(c.argument, 5), c.page) << c.argument;
}

TEST(Links, UriFileAndScriptLinksSitOverTheLastShape) {
    Doc doc;
    Folivo& pdf = doc.Page();
    pdf.DrawRect(100, 200, 50, 20);
    pdf.LinkTo("http://example.org/a(1)");
    pdf.DrawRect(10, 10, 5, 5);
    pdf.LinkTo("mailto:ufficio@example.org", 2, 3);
    pdf.LinkTo("file:altro.pdf");
    pdf.LinkTo("script:app.alert('ciao');");
    const auto out = NavProbe("annots", doc.Finish());
    // A4 is 842 points high: the 100,200 50x20 box is 100..150 x 622..642.
    EXPECT_EQ(out,
              "1|/Link|100 622 150 642|uri http://example.org/a(1)\n"
              "1|/Link|10 827 15 832|uri mailto:ufficio@example.org\n"
              "1|/Link|10 827 15 832|file altro.pdf\n"
              "1|/Link|10 827 15 832|js app.alert('ciao');\n");
}

TEST(Links, InternalLinksResolveToPagesAndViews) {
    Doc doc;
    Folivo& pdf = doc.Page();
    const std::string chapter = pdf.AddBookmark("Capitolo", 1, 2, 0, 100);
    pdf.DefineRef("inizio tabella #2a", 4, 10, 20, 0, 0, 200);  // "#2a" must stay three characters
    pdf.BeginPage();
    pdf.DrawRect(0, 0, 10, 10);
    pdf.LinkTo("ref:inizio tabella #2a");
    pdf.LinkTo("bookmark:" + chapter);
    pdf.LinkTo("page:FIRST");
    pdf.LinkTo("page:NEXT", 0, 1, 2, 0, 50);  // no next page: the last one
    pdf.LinkTo("page:LAST");
    pdf.LinkTo("page:-1");
    const auto& path = doc.Finish();
    const std::string rect = "2|/Link|0 832 10 842|dest ";
    EXPECT_EQ(NavProbe("annots", path),
              rect + "/_REF_inizio tabella #2a -> 1 /XYZ 10 822 2\n" + rect + "/_LINK_1 -> 1 /FitH 742\n" + rect +
                  "/_LINK_2 -> 1 /FitB\n" + rect + "/_LINK_3 -> 2 /FitH 792\n" + rect + "/_LINK_4 -> 2 /FitB\n" +
                  rect + "/_LINK_5 -> 1 /FitB\n");
    EXPECT_TRUE(Contains(NavProbe("dests", path), "/_REF_inizio tabella #2a|1 /XYZ 10 822 2\n"));
}

TEST(Links, UnknownTargetsAreRefused) {
    Doc doc;
    Folivo& pdf = doc.Page();
    EXPECT_THROW(pdf.LinkTo("bookmark:@3"), Error);
    EXPECT_THROW(pdf.LinkTo("page:dopo"), Error);
    EXPECT_EQ(NavProbe("annots", doc.Finish()), "");
}

TEST(Links, AnnotationsBelongToTheirPage) {
    Doc doc;
    Folivo& pdf = doc.Page();
    pdf.LinkTo("http://a");
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.LinkTo("http://c");
    EXPECT_EQ(NavProbe("annots", doc.Finish()), "1|/Link|0 0 0 0|uri http://a\n3|/Link|0 0 0 0|uri http://c\n");
}

TEST(Links, LinksRecordedInAReusableObjectFollowItsPlays) {
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    pdf.BeginObject("intestazione", 1);  // played under every page
    pdf.DrawRect(0, 0, 10, 10);
    pdf.LinkTo("http://studio");
    pdf.EndObject();
    pdf.BeginObject("piede");
    pdf.LinkTo("http://piede");
    pdf.EndObject();
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.PlayObject("piede");
    EXPECT_EQ(NavProbe("annots", doc.Finish()),
              "1|/Link|0 832 10 842|uri http://studio\n2|/Link|0 832 10 842|uri http://studio\n"
              "2|/Link|0 832 10 842|uri http://piede\n");
}

TEST(Links, EncryptedAndCompressedLinksReadBack) {
    Doc doc;
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.SetCompression(2);
    doc.pdf.SetProtection(0, "owner", "");
    doc.pdf.BeginPage();
    doc.pdf.LinkTo("http://example.org");
    doc.pdf.LinkTo("script:this.print();");
    EXPECT_EQ(NavProbe("annots", doc.Finish()),
              "1|/Link|0 0 0 0|uri http://example.org\n1|/Link|0 0 0 0|js this.print();\n");
}

}  // namespace
}  // namespace folivo::test
