// Bookmarks, links, destinations, notes, fields, layers, labels, transitions and scripts, read back
// whole through pikepdf: every object as a reader sees it. Strings outside the page read back as
// written ("€" included), and annotations sit where their drawing is when the page has margins.

#include <gtest/gtest.h>

#include "pdf/navigation/link_target.hpp"
#include "pdf/navigation/outline.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// The objects of the page's /Annots, in order.
std::vector<std::string> Annotations(const Readback& rb, int page) {
    std::vector<std::string> out;
    const std::string& dict = rb.Page(page);
    const size_t at = dict.find("/Annots [ ");
    std::istringstream refs(at == std::string::npos ? "" : dict.substr(at + 10, dict.find(']', at) - at - 10));
    for (std::string number, gen, r; refs >> number >> gen >> r;) out.push_back(rb.Object(std::stoi(number)));
    return out;
}

TEST(Bookmarks, LevelRulesFollowThePreviousItem) {
    const struct {
        std::vector<int32_t> requested, expected;
    } cases[] = {
        {{1, 2, -1}, {1, 2, 3}},    {{1, 65535, 65535}, {1, 2, 3}}, {{1, 9}, {1, 2}},
        {{1, 2, 0, 0}, {1, 2, 2, 2}}, {{5}, {1}},                   {{1, 2, 3, 1, 2}, {1, 2, 3, 1, 2}},
    };
    for (const auto& c : cases) {
        navigation::Outline outline;
        for (int32_t level : c.requested) outline.Add({}, level);
        std::vector<int32_t> levels;
        for (const auto& item : outline.Items()) levels.push_back(item.level);
        EXPECT_EQ(levels, c.expected);
    }
    navigation::Outline deep;
    for (int i = 0; i < 254; ++i) deep.Add({}, -1);
    EXPECT_EQ(deep.Add({}, -1), 0);  // deeper than 254: ignored
    EXPECT_EQ(deep.Add({}, 0), 255);
}

// Walks the outline from the catalog, checking each item's links; one "depth title dest extras" line an item.
void Walk(const Readback& rb, int parent, int depth, std::string& out) {
    int previous = 0;
    for (int item = Readback::Ref(rb.Object(parent), "/First"); item != 0;) {
        const std::string& text = rb.Object(item);
        EXPECT_EQ(Readback::Ref(text, "/Parent"), parent) << text;
        EXPECT_EQ(Readback::Ref(text, "/Prev"), previous) << text;
        const size_t title = text.find("/Title ");
        const size_t dest = text.find("/Dest [ ");
        out += std::to_string(depth) + " " + text.substr(title + 7, text.find(" >>", title) - title - 7) + " " +
               text.substr(dest + 8, text.find(" ]", dest) - dest - 8) + (Contains(text, "/C [ 1 0 0 ]") ? " red" : "") +
               (Contains(text, "/F 2") ? " bold" : "") + "\n";
        Walk(rb, item, depth + 1, out);
        const int next = Readback::Ref(text, "/Next");
        EXPECT_TRUE(next != 0 || Readback::Ref(rb.Object(parent), "/Last") == item) << "the last item is not /Last";
        previous = std::exchange(item, next);
    }
}

TEST(Bookmarks, TreeDestinationsInPointsColourAndStyle) {
    Doc doc;
    doc.pdf.SetScale(2);
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.AddBookmark("Prima", 1);  // before any page: page 1
    doc.pdf.BeginPage();
    EXPECT_EQ(doc.pdf.AddBookmark("Capitolo", 1, 1, 10, 20, 30, 40, 150), "@2");
    doc.pdf.AddBookmark("Sezione", -1, 2, 10, 20, 30, 40, 150, "#FF0000");
    doc.pdf.AddBookmark("Punto", -1, 3, 10, 20, 30, 40, 150, "", 1);
    doc.pdf.BeginPage();
    doc.pdf.AddBookmark("Altra", 2, 4, 10, 20, 30, 40, 150);
    doc.pdf.AddBookmark("Fine", 1, 7);
    const Readback rb(doc.Finish());
    std::string tree;
    Walk(rb, Readback::Ref(rb.Catalog(), "/Outlines"), 1, tree);
    const std::string p1 = std::to_string(rb.pages[0]) + " 0 R ", p2 = std::to_string(rb.pages[1]) + " 0 R ";
    // Millimetres on A4 (842 points high): X 10 mm, Y 20 mm, 30 x 40 mm, zoom 150 %.
    EXPECT_EQ(tree, "1 (Prima) " + p1 + "/FitB\n1 (Capitolo) " + p1 + "/FitV 28.346\n2 (Sezione) " + p1 +
                        "/FitH 785.307 red\n3 (Punto) " + p1 + "/FitR 28.346 671.921 113.386 785.307 bold\n" +
                        "2 (Altra) " + p2 + "/XYZ 28.346 785.307 1.5\n1 (Fine) " + p2 + "/FitB\n");
    EXPECT_EQ(rb.version, "1.4");  // colour and style

    Doc plain;
    plain.Page();
    EXPECT_FALSE(Contains(Readback(plain.Finish()).Catalog(), "/Outlines"));
}

TEST(Links, PageArgumentsResolveAgainstTheCurrentPage) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"FIRST", 1}, {"last", 0}, {"Next", 6}, {"PREV", 4}, {"3", 3},   {"+2", 7},
        {"-2", 3},    {"-9", 1},   {"0", {}},   {"x", {}},   {"+x", {}}, {"", {}},
    };
    for (const auto& [argument, page] : cases) EXPECT_EQ(navigation::ResolvePage(argument, 5), page) << argument;
}

TEST(Links, ActionsAndDestinationsSitOverTheLastShape) {
    Doc doc;
    Folivo& pdf = doc.Page();
    const std::string chapter = pdf.AddBookmark("Capitolo", 1, 2, 0, 100);
    pdf.DefineRef("inizio tabella #2a", 4, 10, 20, 0, 0, 200);  // "#2a" must stay three characters
    pdf.DrawRect(100, 200, 50, 20);
    pdf.LinkTo("http://example.org/a(1)");
    pdf.LinkTo("file:altro.pdf");
    pdf.LinkTo("script:app.alert('ciao');");
    EXPECT_THROW(pdf.LinkTo("bookmark:@3"), Error);
    EXPECT_THROW(pdf.LinkTo("page:dopo"), Error);
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.DrawRect(0, 0, 10, 10);
    pdf.LinkTo("ref:inizio tabella #2a");
    pdf.LinkTo("bookmark:" + chapter);
    pdf.LinkTo("page:NEXT", 0, 1, 2, 0, 50);  // no next page: the last one
    const Readback rb(doc.Finish());
    const auto first = Annotations(rb, 1);
    ASSERT_EQ(first.size(), 3u);
    // A4 is 842 points high: the 100,200 50x20 box is 100..150 x 622..642.
    ExpectContains(first[0], {"/Rect [ 100 622 150 642 ]", "/URI (http://example.org/a\\(1\\))"});
    ExpectContains(first[1], {"/S /GoToR", "/F (altro.pdf)"});
    EXPECT_EQ(rb.Stream(Readback::Ref(first[2], "/JS")), "app.alert('ciao');");
    EXPECT_TRUE(Annotations(rb, 2).empty());
    const auto third = Annotations(rb, 3);
    ASSERT_EQ(third.size(), 3u);
    ExpectContains(third[0], {"/Rect [ 0 832 10 842 ]", "/Dest /_REF_inizio#20tabella#20#2a "});
    const std::string p1 = std::to_string(rb.pages[0]) + " 0 R ", p3 = std::to_string(rb.pages[2]) + " 0 R ";
    ExpectContains(rb.Object(Readback::Ref(rb.Catalog(), "/Dests")),
                   {"/_REF_inizio#20tabella#20#2a [ " + p1 + "/XYZ 10 822 2 ]", "/_LINK_1 [ " + p1 + "/FitH 742 ]",
                    "/_LINK_2 [ " + p3 + "/FitH 792 ]"});
}

TEST(Links, RecordedInAReusableObjectTheyFollowItsPlaysAndSurviveEncryption) {
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    pdf.SetCompression(2);
    pdf.SetProtection(0, "owner", "");
    pdf.BeginObject("intestazione", 1);  // played under every page
    pdf.DrawRect(0, 0, 10, 10);
    pdf.LinkTo("http://studio");
    pdf.EndObject();
    pdf.BeginObject("piede");
    pdf.LinkTo("script:this.print();");
    pdf.EndObject();
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.PlayObject("piede");
    const Readback rb(doc.Finish());
    ASSERT_EQ(Annotations(rb, 1).size(), 1u);
    const auto second = Annotations(rb, 2);
    ASSERT_EQ(second.size(), 2u);
    ExpectContains(second[0], {"/Rect [ 0 832 10 842 ]", "/URI (http://studio)"});
    EXPECT_EQ(rb.Stream(Readback::Ref(second[1], "/JS")), "this.print();");
}

TEST(Annotations, NotesAndEachFieldTypeWithItsLookAndEvents) {
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    pdf.SetDocProperty("", "", "Studio");
    pdf.AddField("prima", 0, 0, 0, 50, 10, "", "", "", 2);  // before any page: on page 1; hidden from print
    pdf.BeginPage();
    pdf.SetFont("Helvetica", 11);
    pdf.SetColorFill("#FFFF00");
    pdf.SetColorLine("#0000FF");
    pdf.SetColorText("#FF0000");
    pdf.SetLineWidth(2);
    pdf.AddNoteBox("Nota (1)", 100, 100, 200, 50, 2, 1, 4, 2, 4);
    pdf.AddNoteBox("Nota", 100, 100, 200, 50, 4, 2, 4, 2, 4);
    pdf.AddNoteIcon("Promemoria \xE8", 1, 10, 20, true);
    pdf.AddNoteIcon("Altro", 9, 10, 20);
    pdf.AddField("nome", 0, 10, 10, 100, 20, "Rossi (Mario)", "30", "Il cognome", 2048 | 8192 | 32);
    pdf.AddField("pagato", 1, 10, 40, 10, 10, "1", "", "", 4194304);
    pdf.AddField("scelta", 2, 10, 60, 80, 15, "2", "uno|due|tre");
    pdf.AddField("tipo.a", 4, 10, 130, 10, 10, "0");
    pdf.AddField("stampa", 5, 10, 150, 50, 20, "this.print();", "Stampa", "", 1);
    pdf.OnFieldEvent(8, "tipo", "event.value = 1;");  // the field and its children
    pdf.OnFieldEvent(6, "tipo.a", "k();");
    pdf.OnFieldEvent(0, "nessuno", "x();");
    pdf.OnFieldEvent(12, "tipo", "x();");
    const Readback rb(doc.Finish());
    const int radioField = rb.Find({"/FT /Btn /Ff 32768 ", "/T (a)"});  // the radio button's field
    ExpectContains(rb.Catalog(), {"/AcroForm << /CO [ " + std::to_string(radioField) + " 0 R ]",
                                 "/DR << /Font << /Arial ", "/NeedAppearances true"});
    const auto a = Annotations(rb, 1);
    ASSERT_EQ(a.size(), 10u);
    ExpectContains(a[0], {"/BS << /D [ 4 2 ] /S /D /Type /Border /W 2 >> /C [ 1 1 0 ] /Contents (Nota \\(1\\)) "
                          "/DA (11 Tf 0 0 1 rg) /F 4 /Q 2 /Rect [ 100 742 300 692 ] /Subtype /FreeText /T (Studio)"});
    ExpectContains(a[1], {"/S /B ", "/Q 1 "});
    ExpectContains(a[2], {"/Contents (Promemoria \xE8)", "/Name /Comment /Open true /Rect [ 10 822 10 822 ] /Subtype /Text"});
    ExpectContains(a[3], {"/Name /Note /Open false"});
    ExpectContains(a[4], {"/FT /Tx", "/T (prima)"});  // fields follow the notes
    EXPECT_FALSE(Contains(a[4], "/F ")) << "hidden from print: no flags";
    ExpectContains(a[5], {"/DA (/Arial 11 Tf 1 0 0 rg ) /DV (Rossi \\(Mario\\)) /F 4 /FT /Tx /Ff 8192 ",
                          "/MK << /BC [ 0 0 1 ] /BG [ 1 1 0 ] >> /MaxLen 30", "/Q 2 /Rect [ 10 832 110 812 ]",
                          "/TU (Il cognome)", "/V (Rossi \\(Mario\\))"});
    ExpectContains(a[6], {"/DV /S#ec /F 4 /FT /Btn /Ff 0 ", "/CA (5)", "/V /S#ec"});
    ExpectContains(a[7], {"/FT /Ch /Ff 131072 ", "/Opt [ (uno) (due) (tre) ]", "/V (due)"});
    ExpectContains(a[8], {"/AA << /C << /JS ", "/K << /JS ", "/Parent " + std::to_string(radioField) + " 0 R"});
    EXPECT_EQ(rb.Stream(Readback::Ref(a[8].substr(a[8].find("/K <<")), "/JS")), "k();");
    ExpectContains(a[9], {"/F 6 /FT /Btn /Ff 65536 ", "/CA (Stampa)"});
    EXPECT_EQ(rb.Stream(Readback::Ref(a[9], "/JS")), "this.print();");

    Doc none;
    none.Page();
    none.pdf.OnFieldEvent(0, "x", "y();");
    EXPECT_FALSE(Contains(Readback(none.Finish()).Catalog(), "/AcroForm"));
}

TEST(Layers, GroupsStatesUsageAndSwitchingLinks) {
    Doc doc;
    Folivo& pdf = doc.Page();
    pdf.BeginLayer("Griglia");
    pdf.DrawRect(10, 10, 20, 20);
    pdf.EndLayer();
    pdf.BeginLayer("Screen", 1, 0);
    pdf.EndLayer();
    pdf.BeginLayer("printer", 0);
    pdf.EndLayer();
    pdf.BeginLayer("GRIGLIA", 0, 0);  // the first layer again, its settings unchanged
    pdf.EndLayer();
    pdf.EndLayer();  // unmatched: ignored
    pdf.LinkTo("layer:TOGGLE(printer)");
    const Readback rb(doc.Finish());
    const int griglia = rb.Find({"/Name (Griglia) /Type /OCG >>"});
    const int screen = rb.Find({"/Name (Screen)", "/Print << /PrintState /OFF >> /View << /ViewState /ON >>"});
    const int printer = rb.Find({"/Name (printer)", "/Print << /PrintState /ON >> /View << /ViewState /OFF >>"});
    ASSERT_TRUE(griglia && screen && printer);
    const auto ref = [](int n) { return std::to_string(n) + " 0 R"; };
    ExpectContains(rb.Catalog(), {"/OFF [ " + ref(printer) + " ] /ON [ " + ref(griglia) + " " + ref(screen) +
                                 " ] /Order [ " + ref(griglia) + " " + ref(printer) + " ]"});
    const std::string& content = rb.Content(1);
    EXPECT_EQ(Occurrences(content, "/OC /_LAY_1 BDC"), 2);
    EXPECT_EQ(Occurrences(content, " BDC"), 4);
    EXPECT_EQ(Occurrences(content, "EMC"), 4);
    EXPECT_TRUE(Contains(rb.Stream(Readback::Ref(Annotations(rb, 1).at(0), "/JS")), "if (ocgArray[i].name == 'printer')"));
    EXPECT_EQ(rb.version, "1.5");
}

TEST(Presentation, LabelsTransitionsAndScriptsOnTheirPagesAndWhereAViewerLooks) {
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    pdf.SetProtection(0, "owner", "");
    const char* names[] = {"apertura pagina", "chiusura pagina", "s0", "wc", "wp", "ws", "dp", "ds", "globale"};
    for (int32_t type = 0; type < 9; ++type) pdf.OnDocEvent(type, names[type]);
    pdf.OnDocEvent(2, "s1", true);  // drops s0
    pdf.OnDocEvent(2, "s2");
    pdf.OnDocEvent(9, "ignorato");
    pdf.SetLabel(3);                        // before the first page: from page 1
    pdf.SetPageTransition(13, 3.5f, 0.5f);  // set before the page: applies to it
    pdf.BeginPage();
    pdf.BeginPage();  // a transition and page scripts last one page
    pdf.BeginPage();
    pdf.SetLabel(2, "A-", 1);  // on page 3
    pdf.SetPageTransition(3, 5, 2);
    pdf.BeginPage();
    pdf.SetPageTransition(7, 5, 2);
    pdf.EndPage();
    pdf.SetLabel(1, "", 10);  // no page open: from page 5
    pdf.BeginPage();
    pdf.BeginPage();
    pdf.SetLabel(9);  // unknown: nothing
    pdf.SetLabel(4, "All. ");
    pdf.BeginPage();
    pdf.SetLabel(5);
    const Readback rb(doc.Finish());
    EXPECT_EQ(rb.labels, (std::vector<std::string>{"i", "ii", "A-I", "A-II", "10", "All. A", "a"}));
    ExpectContains(rb.Page(1), {"/Dur 3.5 ", "/Trans << /D 0.5 /S /Dissolve"});
    EXPECT_FALSE(Contains(rb.Page(2), "/Trans"));
    ExpectContains(rb.Page(3), {"/Dur 5 ", "<< /D 2 /Dm /H /M /O /S /Split"});
    ExpectContains(rb.Page(4), {"<< /D 2 /Di 270 /S /Wipe"});
    const auto script = [&](const std::string& text, const std::string& key) {
        const size_t at = text.find(key);
        return at == std::string::npos ? "-" : rb.Stream(Readback::Ref(text.substr(at), "/JS"));
    };
    const std::string catalog = rb.Catalog();
    EXPECT_EQ(script(catalog, "/OpenAction"), "s1\rs2");
    const std::pair<const char*, const char*> events[] = {
        {"/DP", "dp"}, {"/DS", "ds"}, {"/WC", "wc"}, {"/WP", "wp"}, {"/WS", "ws"}, {"(globalscript)", "globale"}};
    for (const auto& [key, text] : events) EXPECT_EQ(script(catalog, key), text) << key;
    EXPECT_EQ(script(rb.Page(1), "/O <<"), "apertura pagina");
    EXPECT_EQ(script(rb.Page(1), "/C <<"), "chiusura pagina");
    EXPECT_FALSE(Contains(rb.Page(2), "/AA"));
    EXPECT_EQ(rb.version, "1.4");
}

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
    const std::string price = "Prezzo \x80 10 \xE0";  // Windows-1252
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.SetDocProperty(price);
    d.pdf.SetViewerPreferences(2);
    d.pdf.SetMargins(50, 0, 30, 0);
    d.pdf.BeginPage();
    d.pdf.AddBookmark(price);
    d.pdf.DrawRect(100, 100, 40, 20);
    d.pdf.LinkTo("https://example.org/");
    d.pdf.AddNoteIcon(price, 0, 10, 10);
    d.pdf.AddField("campo", 1, 20, 40, 50, 10, "sì");
    const std::string read = PythonOutput(kProbe, {d.Finish().string()});
    EXPECT_EQ(d.pdf.ErrNumber(), 0) << d.pdf.ErrDescription();
    const std::string utf8Price = "Prezzo \xE2\x82\xAC 10 \xC3\xA0";
    // Page 842 high: the margins' corner is at (50, 812).
    EXPECT_EQ(read, utf8Price + "\n" + utf8Price + "\n" + utf8Price + "\n/UseOutlines\n" +
                        "/Link 150 692 190 712\n/Text 60 802 60 802\n/Widget 70 772 120 762\n");
}

}  // namespace
}  // namespace folivo::test
