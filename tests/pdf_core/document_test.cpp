// The document life cycle and the byte layout of the file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "file_layout.hpp"
#include "pdf/core/dates.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

using Order = std::vector<int32_t>;

void ExpectSoundLayout(const FileLayout& layout, const Order& order, int32_t size) {
    EXPECT_TRUE(layout.problems.empty()) << ::testing::PrintToString(layout.problems);
    EXPECT_EQ(layout.fileOrder, order);
    EXPECT_EQ(layout.size, size);
}

TEST(DocumentLayout, EndDocRightAfterBeginDocGivesOneBlankPage) {
    Doc d;
    EXPECT_EQ(d.pdf.BeginDoc(d.path.string()), d.path.string());
    const std::string bytes = kv::test::ReadFile(d.Finish());
    EXPECT_TRUE(bytes.starts_with("%PDF-1.3\n% Folivo PDF Writer rel. 2.4.8\n"));
    EXPECT_TRUE(bytes.ends_with("%%EOF\n"));
    // Page, its content, metadata, then the reserved objects, catalog and information.
    const auto layout = ReadLayout(bytes);
    ExpectSoundLayout(layout, {4, 5, 6, 3, 2, 1, 7, 8}, 9);
    EXPECT_TRUE(Contains(layout.trailer, "/Info 8 0 R /Root 7 0 R")) << layout.trailer;
    PdfFacts facts(d.path);
    EXPECT_EQ(facts["pages"], "1");
    EXPECT_EQ(facts["page1MediaBox"], "0 0 596 842");
    EXPECT_EQ(facts.Bytes("page1Content"), "1 0 0 -1 0 842 cm \r0 0 0 rg\r0 0 0 RG\r");
}

TEST(DocumentLayout, FontPageContentThenSharedObjects) {
    Doc d;
    d.Page("Courier New").DrawText(50, 50, "Elenco Documenti");
    const std::string bytes = kv::test::ReadFile(d.Finish());
    const auto layout = ReadLayout(bytes);
    ExpectSoundLayout(layout, {4, 5, 6, 7, 3, 2, 1, 8, 9}, 10);
    EXPECT_TRUE(Contains(layout.trailer, "<< /Size 10 /Info 9 0 R /Root 8 0 R\n>>\nstartxref\n")) << layout.trailer;
    // The font object comes first, ahead of the page that uses it.
    ExpectContains(bytes, {"\n4 0 obj\n<< /Type /Font /Subtype /Type1 /Name /CourierNew ", "\n5 0 obj\n<< /Type /Page ",
                           "/Font <</CourierNew 4 0 R >>"});
    EXPECT_TRUE(Contains(kv::test::PdfToText(d.path), "Elenco Documenti"));
}

TEST(DocumentLayout, ContentLinesEndWithCarriageReturnFileLinesWithLineFeed) {
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.MoveTo(-100, 3);  // before any page: dropped, though the point moves
    EXPECT_FLOAT_EQ(d.pdf.GetX(), -100);
    d.pdf.BeginPage();
    d.pdf.MoveTo(10, 20.5f);
    d.pdf.AxisTranslation(1, 2);
    d.pdf.EndPage();
    d.pdf.MoveTo(7, 7);  // between pages: dropped
    d.Finish();
    EXPECT_EQ(PdfFacts(d.path).Bytes("page1Content"),
              "1 0 0 -1 0 842 cm \r0 0 0 rg\r0 0 0 RG\r10 20.5 m\r1 0 0 1 1 2 cm\r");
    const std::string bytes = kv::test::ReadFile(d.path);
    ExpectContains(bytes, {"\n4 0 obj\n<< /Type /Page", "\nendobj\n5 0 obj\n<<\n/Length "});
    EXPECT_FALSE(Contains(bytes, "\r\n4 0 obj"));
}

TEST(DocumentLayout, HighestObject999GivesSize1000) {
    Doc d;
    d.pdf.BeginDoc(d.path.string());
    d.pdf.BeginObject("LOGO");
    d.pdf.MoveTo(1, 1);
    d.pdf.EndObject();
    for (int page = 0; page < 496; ++page) d.pdf.BeginPage();
    const std::string bytes = kv::test::ReadFile(d.Finish());
    EXPECT_TRUE(Contains(bytes, "xref\n0 1000\n0000000000 65535 f\r\n"));
    const auto layout = ReadLayout(bytes);
    EXPECT_TRUE(layout.problems.empty()) << ::testing::PrintToString(layout.problems);
    EXPECT_EQ(layout.size, 1000);
    EXPECT_EQ(layout.fileOrder.size(), 999u);
}

TEST(DocumentLayout, NewerFeatureRaisesTheVersionInPlace) {
    Doc d;
    const auto plain = d.dir / "plain.pdf";
    d.pdf.BeginDoc(plain.string());
    d.pdf.EndDoc();
    d.pdf.Abort();
    d.pdf.SetViewerPreferences(128);  // /DisplayDocTitle needs PDF 1.4
    d.pdf.BeginDoc(d.path.string());
    const std::string after = kv::test::ReadFile(d.Finish());
    EXPECT_EQ(after.substr(0, 9), "%PDF-1.4\n");
    EXPECT_EQ(after.substr(9, 31), kv::test::ReadFile(plain).substr(9, 31));
    EXPECT_TRUE(ReadLayout(after).problems.empty());
    EXPECT_EQ(PdfFacts(d.path)["version"], "1.4");
}

TEST(DocumentInfo, StringsEscapedInTheDictionaryAndXmlInTheCountedXmpPacket) {
    Doc d;
    d.pdf.SetDocProperty("Citt\xE0 & <Co> (bozza) \\ 2026", "", "Studio Rossi");
    d.pdf.BeginDoc(d.path.string());
    const std::string bytes = kv::test::ReadFile(d.Finish());
    ExpectContains(bytes, {"/Title (Citt\xE0 & <Co> \\(bozza\\) \\\\ 2026)\r", "/Subject ()\r", "/Keywords ()\r"});

    PdfFacts facts(d.path);
    EXPECT_EQ(facts.Bytes("infoTitle"), "Citt\xE0 & <Co> (bozza) \\ 2026");
    EXPECT_EQ(facts.Bytes("infoAuthor"), "Studio Rossi");
    EXPECT_EQ(facts.Bytes("infoCreator"), "Folivo");
    EXPECT_EQ(facts.Bytes("infoProducer"), "Folivo PDF Writer rel. 2.4.8");
    EXPECT_EQ(facts.Bytes("infoCreationDate"), "D:20261206090507+00'00'");

    const std::string packet = facts.Bytes("metadata");
    const size_t at = packet.find("bytes='");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(std::stoul(packet.substr(at + 7)), packet.size());
    ExpectContains(packet, {"<xap:CreateDate>2026-12-06T09:05:07+00:00</xap:CreateDate>",
                            "<pdf:Title>Citt\xC3\xA0 &amp; &lt;Co&gt; (bozza) \\ 2026</pdf:Title>\r",
                            "  <rdf:li xml:lang='x-default'></rdf:li>\r"});
    EXPECT_TRUE(packet.ends_with("<?xpacket end='r'?>\r"));
    EXPECT_EQ(facts["metadataXml"], "ok") << facts.output();
}

TEST(DocumentLifeCycle, CreationDateIsTakenAtResetWithTheClocksOffset) {
    Doc d;
    d.host.now = {2027, 7, 2, 3, 4, 5, -210};  // a later clock does not change the open document
    d.pdf.BeginDoc((d.dir / "first.pdf").string());
    d.pdf.EndDoc();
    EXPECT_EQ(PdfFacts(d.dir / "first.pdf").Bytes("infoCreationDate"), "D:20261206090507+00'00'");
    d.pdf.Abort();
    d.pdf.BeginDoc(d.path.string());
    d.Finish();
    PdfFacts facts(d.path);
    EXPECT_EQ(facts.Bytes("infoCreationDate"), "D:20270702030405-03'30'");
    ExpectContains(facts.Bytes("metadata"), {"<pdf:CreationDate>2027-07-02T03:04:05-03:30</pdf:CreationDate>"});
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
        {Moment(2026, 180, 14, 30), Moment(2026, 180, 12, 30), 120},   // summer time
        {Moment(2026, 181, 0, 15), Moment(2026, 180, 23, 15), 60},     // local day after
        {Moment(2026, 180, 20, 0), Moment(2026, 181, 0, 30), -270},    // local day before
        {Moment(2027, 0, 0, 30), Moment(2026, 364, 23, 30), 60},       // local year after
        {Moment(2026, 364, 21, 0), Moment(2027, 0, 0, 30), -210},      // local year before
    };
    for (const auto& c : cases) EXPECT_EQ(UtcOffsetMinutes(c.local, c.utc), c.minutes) << c.minutes;
}

// The default host's clock: local time minus its offset is the UTC time of the same moment.
TEST(DocumentLifeCycle, DefaultHostGivesTheLocalOffset) {
    const LocalTime local = DefaultHost().Now();
    const std::time_t now = std::time(nullptr);
    const std::tm utc = *std::gmtime(&now);
    const int localMinutes = local.day * 1440 + local.hour * 60 + local.minute - local.utcOffsetMinutes;
    const int utcMinutes = utc.tm_mday * 1440 + utc.tm_hour * 60 + utc.tm_min;
    const bool monthEnd = local.day != utc.tm_mday && (local.day == 1 || utc.tm_mday == 1);
    if (!monthEnd) {
        EXPECT_LE(std::abs(localMinutes - utcMinutes), 1);
    }
}

TEST(DocumentLifeCycle, FileSizeFollowsAReplacedNotAppendedFile) {
    Doc d;
    kv::test::WriteFile(d.path, std::string(100000, 'x'));
    EXPECT_EQ(d.pdf.FileSize(), 0);
    d.pdf.BeginDoc(d.path.string());
    EXPECT_EQ(d.pdf.FileSize(), 40);  // the two header lines
    d.pdf.BeginPage();
    d.pdf.EndPage();
    EXPECT_GT(d.pdf.FileSize(), 40);
    const std::string bytes = kv::test::ReadFile(d.Finish());
    EXPECT_EQ(d.pdf.FileSize(), static_cast<int32_t>(bytes.size()));
    EXPECT_FALSE(Contains(bytes, std::string(20, 'x')));
    d.pdf.Abort();
    EXPECT_EQ(d.pdf.FileSize(), 0);
}

TEST(DocumentLifeCycle, AbortResetsEverythingBeginDocNothing) {
    Doc d;
    d.pdf.SetScale(2);
    d.pdf.SetPaperSize(1);
    d.pdf.SetFont("Arial", 12);
    d.pdf.BeginDoc((d.dir / "a.pdf").string());
    d.pdf.BeginPage();
    d.pdf.EndDoc();
    EXPECT_GT(d.pdf.TextLength("A"), 0);
    // Without Abort the counters and settings carry over into the next document.
    d.pdf.BeginDoc((d.dir / "b.pdf").string());
    EXPECT_EQ(d.pdf.GetPage(), 1);
    EXPECT_FLOAT_EQ(d.pdf.GetPageWidth(false), 842 / 2.8346455f);
    d.pdf.Abort();
    EXPECT_EQ(d.pdf.GetPage(), 0);
    EXPECT_FLOAT_EQ(d.pdf.GetPageWidth(false), 596);
    EXPECT_EQ(d.pdf.TextLength("A"), 0);  // no font selected any more
    d.pdf.BeginDoc(d.path.string());
    const std::string bytes = kv::test::ReadFile(d.Finish());
    EXPECT_EQ(ReadLayout(bytes).fileOrder, (Order{4, 5, 6, 3, 2, 1, 7, 8}));
    EXPECT_FALSE(Contains(bytes, "/Font"));
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

TEST(DocumentLifeCycle, MemoryUsageNeverChangesTheFile) {
    Doc d;
    std::string files[2];
    for (int i = 0; i < 2; ++i) {
        d.pdf.Abort();
        d.pdf.SetMemoryUsage(i == 0 ? 1 : 7);
        d.pdf.SetMemoryUsage(11);  // ignored
        d.pdf.BeginDoc(d.path.string());
        for (int page = 0; page < 40; ++page) d.pdf.BeginPage();
        files[i] = kv::test::ReadFile(d.Finish());
    }
    EXPECT_EQ(files[0], files[1]);
}

}  // namespace
}  // namespace folivo::test
