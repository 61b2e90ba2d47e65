// Bookmarks: level rules, the outline tree as a reader sees it, destinations, colour and style.

#include <gtest/gtest.h>

#include "pdf/navigation/outline.hpp"
#include "tests/pdf_navigation/nav_readback.hpp"

namespace folivo::test {
namespace {

using navigation::Outline;

// Requested levels in order and the levels they end up with.
struct LevelCase {
    const char* name;
    std::vector<int32_t> requested;
    std::vector<int32_t> expected;
};

TEST(Bookmarks, LevelRulesFollowThePreviousItem) {
    const LevelCase cases[] = {
        {"child after level 2", {1, 2, -1}, {1, 2, 3}},
        {"65535 is a child too", {1, 65535, 65535}, {1, 2, 3}},
        {"too deep is lowered", {1, 9}, {1, 2}},
        {"sibling keeps the level", {1, 2, 0, 0}, {1, 2, 2, 2}},
        {"first item is top level", {5}, {1}},
        {"back to the top", {1, 2, 3, 1, 2}, {1, 2, 3, 1, 2}},
    };
    for (const auto& c : cases) {
        Outline outline;
        for (int32_t level : c.requested) outline.Add({}, level);
        std::vector<int32_t> levels;
        for (const auto& item : outline.Items()) levels.push_back(item.level);
        EXPECT_EQ(levels, c.expected) << c.name;
    }
}

TEST(Bookmarks, ItemsDeeperThan254AreIgnored) {
    Outline outline;
    for (int i = 0; i < 254; ++i) EXPECT_EQ(outline.Add({}, -1), i + 1);
    EXPECT_EQ(outline.Add({}, -1), 0);
    EXPECT_EQ(outline.Items().size(), 254u);
    EXPECT_EQ(outline.Add({}, 0), 255);  // a sibling at 254 is still allowed
}

TEST(Bookmarks, TreeReadsBackWithConsistentLinks) {
    Doc doc;
    Folivo& pdf = doc.Page();
    EXPECT_EQ(pdf.AddBookmark("Capitolo 1", 1), "@1");
    pdf.AddBookmark("Sezione 1.1", -1);
    pdf.AddBookmark("Punto 1.1.1", -1);
    pdf.BeginPage();
    pdf.AddBookmark("Sezione 1.2", 2);
    pdf.AddBookmark("Capitolo 2 (fine) \xE0", 1);
    pdf.AddBookmark("Sezione 2.1", 9);
    const auto out = NavProbe("outline", doc.Finish());
    const std::string expected = "1|" + Hex("Capitolo 1") + "|1|/FitB|-|0\n" +
                                 "2|" + Hex("Sezione 1.1") + "|1|/FitB|-|0\n" +
                                 "3|" + Hex("Punto 1.1.1") + "|1|/FitB|-|0\n" +
                                 "2|" + Hex("Sezione 1.2") + "|2|/FitB|-|0\n" +
                                 "1|" + Hex("Capitolo 2 (fine) \xE0") + "|2|/FitB|-|0\n" +
                                 "2|" + Hex("Sezione 2.1") + "|2|/FitB|-|0\n";
    EXPECT_EQ(out, expected);
}

TEST(Bookmarks, DestinationsInPoints) {
    struct Case {
        int32_t type;
        const char* view;
    };
    // Millimetres on A4 (842 points high): X 10 mm, Y 20 mm, 30 x 40 mm, zoom 150 %.
    const Case cases[] = {
        {0, "/FitB"},
        {1, "/FitV 28.346"},
        {2, "/FitH 785.307"},
        {3, "/FitR 28.346 671.921 113.386 785.307"},
        {4, "/XYZ 28.346 785.307 1.5"},
        {7, "/FitB"},
    };
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.SetScale(2);
    doc.Page();
    for (const auto& c : cases) pdf.AddBookmark("b", 1, c.type, 10, 20, 30, 40, 150);
    const auto out = NavProbe("outline", doc.Finish());
    std::string expected;
    for (const auto& c : cases) expected += "1|62|1|" + std::string(c.view) + "|-|0\n";
    EXPECT_EQ(out, expected);
}

TEST(Bookmarks, ColourAndStyleRaiseTheVersion) {
    Doc doc;
    Folivo& pdf = doc.Page();
    pdf.AddBookmark("rosso", 1, 0, 0, 0, 0, 0, 0, "#FF0000");
    pdf.AddBookmark("grassetto", 1, 0, 0, 0, 0, 0, 0, "", 1);
    pdf.AddBookmark("corsivo", 1, 0, 0, 0, 0, 0, 0, "", 2);
    pdf.AddBookmark("entrambi", 1, 0, 0, 0, 0, 0, 0, "", 3);
    const auto& path = doc.Finish();
    const auto out = NavProbe("outline", path);
    EXPECT_EQ(out, "1|" + Hex("rosso") + "|1|/FitB|1 0 0|0\n" + "1|" + Hex("grassetto") + "|1|/FitB|-|2\n" +
                       "1|" + Hex("corsivo") + "|1|/FitB|-|1\n" + "1|" + Hex("entrambi") + "|1|/FitB|-|3\n");
    EXPECT_EQ(kv::test::ReadFile(path).substr(0, 8), "%PDF-1.4");
}

TEST(Bookmarks, BeforeAnyPageTheyPointAtPageOne) {
    Doc doc;
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.AddBookmark("prima", 1);
    const auto out = NavProbe("outline", doc.Finish());
    EXPECT_EQ(out, "1|" + Hex("prima") + "|1|/FitB|-|0\n");
}

TEST(Bookmarks, NoBookmarksNoOutline) {
    Doc doc;
    doc.Page();
    EXPECT_EQ(NavProbe("outline", doc.Finish()), "none\n");
}

}  // namespace
}  // namespace folivo::test
