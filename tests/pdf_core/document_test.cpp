// The document life cycle, the byte layout of the file and its information, read back by pikepdf.

#include <gtest/gtest.h>

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
    ExpectContains(rb.Object(Readback::Ref(rb.trailer, "/Info")),
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
    EXPECT_TRUE(Contains(rb.Object(Readback::Ref(rb.trailer, "/Info")), "(D:20270702030405-03'30')"));
    EXPECT_TRUE(Contains(rb.Stream(rb.Find({"/Subtype /XML"})), "<pdf:CreationDate>2027-07-02T03:04:05-03:30<"));
}

std::tm Moment(int year, int yday, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_yday = yday;
    t.tm_hour = hour;
    t.tm_min = minute;
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

}  // namespace
}  // namespace folivo::test
