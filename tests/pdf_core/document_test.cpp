// The document life cycle, the byte layout of the file and its information, document information,
// viewer preferences, reusable objects, local spaces and tables, and pages (paper sizes, boxes,
// rotation, units, margins and the axis transforms), read back by pikepdf.

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <string>

#include "pdf/core/dates.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

constexpr const char* kPagePrefix = "1 0 0 -1 0 842 cm \r0 0 0 rg\r0 0 0 RG\r";

TEST(DocumentLayout, BlankDocumentThenFontPageContentAndSharedObjects) {
    Doc d;
    EXPECT_EQ(d.pdf.BeginDoc(d.path.string()), d.path.string());
    std::string bytes = kv::test::ReadFile(d.Finish());
    EXPECT_TRUE(bytes.starts_with("%PDF-1.3\n% Folivo PDF Writer rel. 2.4.8\n"));
    EXPECT_TRUE(bytes.ends_with("%%EOF\n"));
    const Readback blank(d.path);
    EXPECT_EQ(blank.pages, std::vector<int>{4});
    EXPECT_EQ(blank.trailer, "<< /Info 8 0 R /Root 7 0 R /Size 9 >>");
    EXPECT_TRUE(Contains(blank.Page(1), "/MediaBox [ 0 0 596 842 ]"));
    EXPECT_EQ(blank.Content(1), kPagePrefix);

    d.pdf.Abort();
    d.Page("Courier New").DrawText(50, 50, "Elenco Documenti");
    bytes = kv::test::ReadFile(d.Finish());
    // The font object comes first, ahead of the page that uses it; file lines end with line feeds.
    ExpectContains(bytes, {"\n4 0 obj\n<< /Type /Font /Subtype /Type1 /Name /CourierNew ", "\n5 0 obj\n<< /Type /Page ",
                           "/Font <</CourierNew 4 0 R >>", "<< /Size 10 /Info 9 0 R /Root 8 0 R\n>>\nstartxref\n",
                           "\nendobj\n6 0 obj\n<<\n/Length "});
    EXPECT_TRUE(Contains(kv::test::PdfToText(d.path), "Elenco Documenti"));
}

TEST(DocumentLayout, MovesOutsidePagesAreDroppedAndContentLinesEndWithCarriageReturns) {
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.MoveTo(-100, 3);
    EXPECT_FLOAT_EQ(d.pdf.GetX(), -100);
    d.pdf.BeginPage();
    d.pdf.MoveTo(10, 20.5f);
    d.pdf.AxisTranslation(1, 2);
    d.pdf.EndPage();
    d.pdf.MoveTo(7, 7);
    d.Finish();
    EXPECT_EQ(Readback(d.path).Content(1), std::string(kPagePrefix) + "10 20.5 m\r1 0 0 1 1 2 cm\r");
}

TEST(DocumentLayout, HighestObject999GivesSize1000AndANewerFeatureRaisesTheVersionInPlace) {
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.SetViewerPreferences(128);  // /DisplayDocTitle needs PDF 1.4
    d.pdf.BeginObject("LOGO");
    d.pdf.EndObject();
    for (int page = 0; page < 496; ++page) d.pdf.BeginPage();
    const std::string bytes = kv::test::ReadFile(d.Finish());
    EXPECT_TRUE(bytes.starts_with("%PDF-1.4\n% Folivo PDF Writer rel. 2.4.8\n"));
    EXPECT_TRUE(Contains(bytes, "xref\n0 1000\n0000000000 65535 f\r\n"));
    const Readback rb(d.path);
    EXPECT_EQ(rb.version, "1.4");
    EXPECT_EQ(rb.pages.size(), 496u);
}

TEST(DocumentInfo, StringsEscapedInTheDictionaryAndXmlInTheCountedXmpPacket) {
    Doc d;
    d.pdf.SetDocProperty("First", "Subject", "Author", "Creator", "Producer 1", "k1 k2");
    d.pdf.SetDocProperty("Citt\xE0 & <Co> (bozza) \\ 2026", "", "Studio Rossi");  // title, subject, keywords replaced
    d.pdf.BeginDoc(d.path.string());
    const std::string bytes = kv::test::ReadFile(d.Finish());
    ExpectContains(bytes, {"/Title (Citt\xE0 & <Co> \\(bozza\\) \\\\ 2026)\r", "/Subject ()\r", "/Keywords ()\r"});

    const Readback rb(d.path);
    ExpectContains(rb.Info(),
                   {"/Author (Studio Rossi)", "/Creator (Creator)", "/Producer (Producer 1)",
                    "/CreationDate (D:20261206090507+00'00')", "/Title (Citt\xE0 & <Co> \\(bozza\\) \\\\ 2026)"});
    const std::string packet = rb.Stream(rb.Find({"/Subtype /XML"}));
    const size_t at = packet.find("bytes='");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(std::stoul(packet.substr(at + 7)), packet.size());
    ExpectContains(packet, {"<xap:CreateDate>2026-12-06T09:05:07+00:00</xap:CreateDate>",
                            "<pdf:Title>Citt\xC3\xA0 &amp; &lt;Co&gt; (bozza) \\ 2026</pdf:Title>\r",
                            "<pdf:Producer>Producer 1</pdf:Producer>", "  <rdf:li xml:lang='x-default'></rdf:li>\r"});
    EXPECT_TRUE(packet.ends_with("<?xpacket end='r'?>\r"));
}

TEST(DocumentLifeCycle, CreationDateIsTakenAtResetWithTheClocksOffset) {
    Doc d;
    d.host.now = {2027, 7, 2, 3, 4, 5, -210};  // a later clock does not change the open document
    d.pdf.BeginDoc((d.dir / "first.pdf").string());
    d.pdf.EndDoc();
    EXPECT_TRUE(Contains(Readback(d.dir / "first.pdf").Object(8), "(D:20261206090507+00'00')"));
    d.pdf.Abort();
    d.pdf.BeginDoc(d.path.string());
    d.Finish();
    const Readback rb(d.path);
    EXPECT_TRUE(Contains(rb.Info(), "(D:20270702030405-03'30')"));
    EXPECT_TRUE(Contains(rb.Stream(rb.Find({"/Subtype /XML"})), "<pdf:CreationDate>2027-07-02T03:04:05-03:30<"));
}

std::tm Moment(int year, int yday, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900, t.tm_yday = yday, t.tm_hour = hour, t.tm_min = minute;
    return t;
}

TEST(DocumentLifeCycle, UtcOffsetAcrossDayAndYearEnds) {
    struct Case { std::tm local, utc; int minutes; };
    const Case cases[] = {
        {Moment(2026, 100, 12, 0), Moment(2026, 100, 12, 0), 0},
        {Moment(2026, 181, 0, 15), Moment(2026, 180, 23, 15), 60},     // local day after
        {Moment(2026, 180, 20, 0), Moment(2026, 181, 0, 30), -270},    // local day before
        {Moment(2027, 0, 0, 30), Moment(2026, 364, 23, 30), 60},       // local year after
        {Moment(2026, 364, 21, 0), Moment(2027, 0, 0, 30), -210},      // local year before
    };
    for (const auto& c : cases) EXPECT_EQ(UtcOffsetMinutes(c.local, c.utc), c.minutes) << c.minutes;
}

TEST(DocumentLifeCycle, FileSizeFollowsAReplacedFileAndAbortResetsEverything) {
    Doc d;
    kv::test::WriteFile(d.path, std::string(100000, 'x'));
    d.pdf.SetScale(2);
    d.pdf.SetPaperSize(1);
    d.pdf.SetFont("Arial", 12);
    d.pdf.BeginDoc(d.path.string());
    EXPECT_EQ(d.pdf.FileSize(), 40);  // the two header lines
    d.pdf.BeginPage();
    const std::string bytes = kv::test::ReadFile(d.Finish());
    EXPECT_EQ(d.pdf.FileSize(), static_cast<int32_t>(bytes.size()));
    EXPECT_FALSE(Contains(bytes, std::string(20, 'x')));
    // Without Abort the counters and settings carry over into the next document.
    d.pdf.BeginDoc((d.dir / "b.pdf").string());
    EXPECT_EQ(d.pdf.GetPage(), 1);
    EXPECT_FLOAT_EQ(d.pdf.GetPageWidth(false), 842 / 2.8346455f);
    d.pdf.Abort();
    EXPECT_EQ(d.pdf.FileSize(), 0);
    EXPECT_EQ(d.pdf.GetPage(), 0);
    EXPECT_FLOAT_EQ(d.pdf.GetPageWidth(false), 596);
    EXPECT_EQ(d.pdf.TextLength("A"), 0);  // no font selected any more
    d.pdf.BeginDoc(d.path.string());
    EXPECT_FALSE(Contains(kv::test::ReadFile(d.Finish()), "/Font"));
}

TEST(DocumentLifeCycle, DefaultNameComesFromClockAndRandomDigit) {
    Doc d;  // 9:05:07 and random 0.42, digit 4: "6" "09" "05" "07" "4" = 60905074 = 0x3A15672
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(d.dir.path());
    const std::string name = d.pdf.BeginDoc();
    d.pdf.EndDoc();
    std::filesystem::current_path(previous);
    EXPECT_EQ(name, "~3A15672.pdf");
    EXPECT_QPDF_CLEAN(d.dir / name);
    d.pdf.OpenDoc();
    EXPECT_EQ(d.host.opened, name);
}

// A document opened on a fixed-clock host; Facts ends it and reads it back.
struct Written : Doc {
    Written() { pdf.BeginDoc(path.string()); }
    Readback Facts() { return Readback(Finish()); }
};

TEST(ViewerPreferences, LayoutModeFlagsAndVersion) {
    const struct {
        int32_t options;
        const char *layout, *mode, *prefs, *version;
    } cases[] = {
        {8192 + 1 + 16 + 512, "/OneColumn", "/PageMode /FullScreen", "<< /FitWindow true /HideMenubar true >>", "1.3"},
        {-32768 + 8 + 32 + 64 + 256, "/TwoColumnRight", "/PageMode /UseOC",
         "<< /CenterWindow true /HideToolbar true /HideWindowUI true >>", "1.5"},
        {16384 + 2, "/TwoColumnLeft", "", "<< >>", "1.3"},  // outlines without bookmarks: no mode
    };
    for (const auto& c : cases) {
        Doc d;
        d.pdf.SetViewerPreferences(c.options);
        d.pdf.BeginDoc(d.path.string());
        const Readback rb(d.Finish());
        const std::string& catalog = rb.Catalog();
        ExpectContains(catalog, {std::string("/PageLayout ") + c.layout, c.mode, std::string("/ViewerPreferences ") + c.prefs});
        EXPECT_EQ(Contains(catalog, "/PageMode"), *c.mode != 0) << catalog;
        EXPECT_EQ(rb.version, c.version) << c.options;
    }
}

TEST(ReusableObjects, RecordedOncePlayedOnEveryPage) {
    Written w;
    Folivo& pdf = w.pdf;
    pdf.BeginObject("LOGO");
    pdf.MoveTo(1, 2);
    pdf.BeginObject("IGNORED");  // recording continues with LOGO
    pdf.MoveTo(3, 4);
    pdf.EndObject();
    pdf.BeginObject("UNDER", 1);
    pdf.EndObject();
    pdf.BeginObject("OVER", 2);
    pdf.EndObject();
    pdf.BeginObject("TWO WORDS");  // written as a valid name token
    pdf.EndObject();
    pdf.BeginPage();
    pdf.PlayObject("LOGO");
    pdf.BeginPage();
    pdf.PlayObject("TWO WORDS");
    const auto facts = w.Facts();
    EXPECT_EQ(facts.Stream(facts.Find({"/Name /LOGO"})), "1 2 m\r3 4 m\r");
    EXPECT_EQ(facts.Count("/IGNORED"), 0);
    const std::string under = std::string(kPagePrefix) + "q /UNDER Do Q\r";
    EXPECT_EQ(facts.Content(1), under + "q /LOGO Do Q\rq /OVER Do Q\r");
    EXPECT_EQ(facts.Content(2), under + "q /TWO#20WORDS Do Q\rq /OVER Do Q\r");
    const std::string bytes = kv::test::ReadFile(w.path);
    ExpectContains(bytes, {"/Name /TWO#20WORDS\r",
                           "\n4 0 obj\n<< /Type /XObject /Subtype /Form /FormType 1 /Name /LOGO\r/BBox [0 0 596 842]\r"
                           "/Matrix [1 0 0 1 0 0]\n/Length 12 >>\rstream\n",
                           "/XObject <</LOGO 4 0 R \r/UNDER 5 0 R \r/OVER 6 0 R \r/TWO#20WORDS 7 0 R \r>>\r"});
}

TEST(LocalSpaces, SaveTransformAndRestore) {
    Written w;
    Folivo& pdf = w.pdf;
    pdf.BeginPage();
    pdf.SetXY(30, 30);
    pdf.BeginSpace();
    EXPECT_FLOAT_EQ(pdf.GetX(), 0);
    pdf.EndSpace();
    pdf.SetScale(2);
    pdf.BeginSpace(10, 20, 2, 2, 90);
    pdf.EndSpace();
    const auto facts = w.Facts();
    EXPECT_EQ(facts.Content(1),
              std::string(kPagePrefix) + "q\rQ\rq\r2 0 0 2 28.346 56.693 cm\r0 -1 1 0 0 0 cm\rQ\r");
}

TEST(Tables, RowsAndColumnsAreNestedFramedCellsAndCellSettingsEndWithTheCell) {
    Written w;
    Folivo& pdf = w.pdf;
    pdf.BeginPage();
    pdf.SetFont("Courier", 10);
    pdf.BeginTable(10, 100);
    pdf.BeginRow(20);
    pdf.BeginColumn(50);
    pdf.SetColorFill("red");
    pdf.SetFont("Arial", 14, 1);
    pdf.BeginColumn(60);  // ends the first column, restoring the fill colour and the font
    EXPECT_FLOAT_EQ(pdf.TextHeight(), 11.33f);  // Courier 10 again
    pdf.SetFont("Times", 8);
    pdf.EndRow();
    pdf.SetColorFill("%80");
    pdf.SetLineWidth(2);
    pdf.BeginRow(30);
    pdf.EndTable();
    EXPECT_FLOAT_EQ(pdf.GetX(), 10);
    EXPECT_FLOAT_EQ(pdf.GetY(), 150);
    pdf.DrawText(0, 200, "After");
    const auto facts = w.Facts();
    // The table, the first row and its two cells; the second row framed and filled; the text after.
    EXPECT_EQ(facts.Content(1), std::string(kPagePrefix) +
                                    "q\r" "q\r1 0 0 1 10 100 cm\r" "q\r1 0 0 rg\rQ\r" "q\r1 0 0 1 50 0 cm\rQ\r" "Q\r"
                                    "0.8 0.8 0.8 rg\r2 w\r" "q\r1 0 0 1 10 120 cm\r1 1 584 28 re f*\r0 0 586 30 re S\rQ\r" "Q\r"
                                    "0 0 0 rg\rBT\r/CourierNew 10 Tf 10 TL\r1 0 0 -1 0 200 Tm\r(After) Tj\rET\r0 0 0 rg\r");
}

TEST(PaperSizes, EveryCodeGivesItsBoxesAndUnknownCodesChangeNothing) {
    Written w;
    // Each size upright, then turned: A0 to A7, Letter, Tabloid, Legal, Statement, Executive.
    const std::pair<int, int> sizes[] = {{2384, 3371}, {1685, 2384}, {1192, 1685}, {842, 1192}, {596, 842},
                                         {421, 596},   {298, 421},   {210, 298},   {612, 792},  {792, 1224},
                                         {612, 1008},  {396, 612},   {522, 756}};
    for (int32_t code = -8; code <= 17; ++code) {
        w.pdf.SetPaperSize(code);
        w.pdf.SetPaperSize(18);  // ignored
        w.pdf.SetPaperSize(-9);  // ignored
        w.pdf.BeginPage();
        w.pdf.EndPage();
    }
    w.pdf.SetScale(3);
    w.pdf.BeginPage();
    w.pdf.SetPaperSize(255, 10, 5);  // centimetres; the open page's boxes are written at EndPage
    w.pdf.EndPage();
    const auto facts = w.Facts();
    for (int page = 1; page <= 26; ++page) {
        const auto [width, height] = sizes[(page - 1) / 2];
        const auto box = " [ 0 0 " + std::to_string(page % 2 ? width : height) + " " + std::to_string(page % 2 ? height : width) + " ]";
        ExpectContains(facts.Page(page), {"/MediaBox" + box, "/CropBox" + box, "/BleedBox" + box});
    }
    EXPECT_TRUE(Contains(facts.Page(27), "/MediaBox [ 0 0 283.465 141.732 ]")) << facts.Page(27);
}

TEST(PageRotation, DefaultRotationForLaterPagesOrOnlyTheOpenOne) {
    Written w;
    w.pdf.SetPageView(1);
    w.pdf.BeginPage();  // 270
    w.pdf.BeginPage();
    w.pdf.SetPageView(2);  // this page only: 180
    w.pdf.BeginPage();     // back to the default, 270
    w.pdf.EndPage();
    w.pdf.SetPageView(5);  // unknown code: no /Rotate
    w.pdf.BeginPage();
    w.pdf.EndPage();
    w.pdf.SetPageView(3);
    w.pdf.BeginPage();  // 90
    const auto facts = w.Facts();
    const char* rotations[] = {"/Rotate 270 ", "/Rotate 180 ", "/Rotate 270 ", "", "/Rotate 90 "};
    for (int page = 1; page <= 5; ++page) {
        EXPECT_TRUE(Contains(facts.Page(page), rotations[page - 1])) << facts.Page(page);
    }
    EXPECT_FALSE(Contains(facts.Page(4), "/Rotate"));
}

TEST(PageCoordinates, MillimetresWithMarginsMoveTheOrigin) {
    Written w;
    w.pdf.SetScale(2);
    w.pdf.SetMargins(10, 10, 10, 10);
    w.pdf.SetPaperSize(0);
    EXPECT_NEAR(w.pdf.GetPageWidth(true), 190.25, 0.01);
    EXPECT_NEAR(w.pdf.GetPageHeight(false), 842 / 2.8346455, 1e-3);
    w.pdf.BeginPage();
    w.pdf.MoveTo(0, 0);
    w.pdf.SetFont("Courier", 12);
    w.pdf.DrawText(0, 5, "Origin");
    w.pdf.BeginPage();
    const auto facts = w.Facts();
    for (int page : {1, 2}) EXPECT_TRUE(facts.Content(page).starts_with("1 0 0 -1 28.346 813.654 cm \r")) << page;
    EXPECT_NE(facts.Content(1).find("\r0 0 m\r"), std::string::npos);
    // Outside judge: the word starts 10 mm from the left edge, its baseline 15 mm from the top.
    const auto box = FindWord(WordBoxes(w.path), "Origin");
    EXPECT_NEAR(box.xMin, 28.346, 0.05);
    EXPECT_NEAR(box.yMax, 15 * 2.8346455, 4.0);
}

TEST(PageCoordinates, ClippingToTheMarginsAddsARectangle) {
    Written w;
    w.pdf.SetMargins(20, 30, 40, 50, true);
    w.pdf.BeginPage();
    const auto facts = w.Facts();
    EXPECT_TRUE(facts.Content(1).starts_with("1 0 0 -1 20 802 cm \r0 0 546 752 re W n\r0 0 0 rg\r"));
}

TEST(PageCoordinates, ScaleModesAndTheCurrentPointWithoutAPage) {
    Folivo pdf;
    const std::pair<int32_t, float> modes[] = {{1, 72}, {2, 2.8346455f}, {3, 28.346457f}, {0, 1}};
    for (const auto& [mode, pointsPerUnit] : modes) {
        pdf.SetScale(mode);
        EXPECT_NEAR(pdf.GetPageWidth(false), 596 / pointsPerUnit, 1e-3) << mode;
    }
    pdf.MoveTo(12.5f, 7.25f);  // nothing written, the point still moves
    EXPECT_FLOAT_EQ(pdf.GetX() + pdf.GetY(), 19.75f);
    pdf.SetScale(255, 10);
    pdf.SetScale(4);    // unknown mode: ignored
    pdf.SetScale(255);  // no factor: ignored
    EXPECT_FLOAT_EQ(pdf.GetPageWidth(false), 59.6f);
}

}  // namespace
}  // namespace folivo::test
