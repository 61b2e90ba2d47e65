// Page labels as a viewer numbers the pages, and page transitions.

#include <gtest/gtest.h>

#include "tests/pdf_navigation/nav_readback.hpp"

namespace folivo::test {
namespace {

TEST(PageLabels, StylesPrefixesAndStartValues) {
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    pdf.SetLabel(3);  // before the first page: from page 1
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.SetLabel(2, "A-", 1);  // on page 3
    pdf.BeginPage();
    pdf.EndPage();
    pdf.SetLabel(1, "", 10);  // no page open: from page 5
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.SetLabel(9);  // unknown: nothing
    pdf.SetLabel(4, "All. ");
    pdf.BeginPage();
    pdf.SetLabel(5);
    const auto& path = doc.Finish();
    EXPECT_EQ(NavProbe("pages", path),
              "1|i|-|-\n2|ii|-|-\n3|A-I|-|-\n4|A-II|-|-\n5|10|-|-\n6|All. A|-|-\n7|a|-|-\n");
    ExpectContains(kv::test::ReadFile(path), {"/PageLabels << /Nums [ 0 << /S /r >> 2 << /S /R /P (A-) /St 1 >> "});
}

TEST(Transitions, EachStyleReadsBackOnItsPage) {
    const char* styles[] = {
        "-",
        "</D=2 /Dm=/H /M=/I /S=/Split /Type=/Trans>",
        "</D=2 /Dm=/V /M=/I /S=/Split /Type=/Trans>",
        "</D=2 /Dm=/H /M=/O /S=/Split /Type=/Trans>",
        "</D=2 /Dm=/V /M=/O /S=/Split /Type=/Trans>",
        "</D=2 /Di=180 /S=/Wipe /Type=/Trans>",
        "</D=2 /Di=0 /S=/Wipe /Type=/Trans>",
        "</D=2 /Di=270 /S=/Wipe /Type=/Trans>",
        "</D=2 /Di=90 /S=/Wipe /Type=/Trans>",
        "</D=2 /M=/I /S=/Box /Type=/Trans>",
        "</D=2 /M=/O /S=/Box /Type=/Trans>",
        "</D=2 /Dm=/H /S=/Blinds /Type=/Trans>",
        "</D=2 /Dm=/V /S=/Blinds /Type=/Trans>",
        "</D=2 /S=/Dissolve /Type=/Trans>",
        "</D=2 /Di=0 /S=/Glitter /Type=/Trans>",
        "</D=2 /Di=270 /S=/Glitter /Type=/Trans>",
        "</D=2 /Di=315 /S=/Glitter /Type=/Trans>",
        "</D=2 /S=/R /Type=/Trans>",
        "-",
    };
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    std::string expected;
    for (int32_t style = 0; style <= 18; ++style) {
        pdf.BeginPage();
        pdf.SetPageTransition(style, 5, 2);
        const bool shown = std::string(styles[style]) != "-";
        expected += std::to_string(style + 1) + "|" + std::to_string(style + 1) + "|" + (shown ? "5" : "-") + "|" +
                    styles[style] + "\n";
    }
    pdf.BeginPage();  // a transition lasts one page
    expected += "20|20|-|-\n";
    EXPECT_EQ(NavProbe("pages", doc.Finish()), expected);
}

TEST(Transitions, SetBeforeThePageAppliesToIt) {
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    pdf.SetPageTransition(13, 3.5f, 0.5f);
    pdf.BeginPage();
    EXPECT_EQ(NavProbe("pages", doc.Finish()), "1|1|3.5|</D=0.5 /S=/Dissolve /Type=/Trans>\n");
}

}  // namespace
}  // namespace folivo::test
