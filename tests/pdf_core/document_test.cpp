// The document life cycle and the byte layout of the file.

#include <gtest/gtest.h>

#include <string>

#include "file_layout.hpp"
#include "pdf/folivo.hpp"
#include "pdf_facts.hpp"
#include "tests/support/test_support.hpp"

namespace folivo {
namespace {

using test::FakeHost;
using test::PdfFacts;
using test::ReadLayout;

std::string Pdf(const kv::test::TempDir& dir, const std::string& name = "out.pdf") {
    return (dir / name).string();
}

TEST(DocumentLayout, EndDocRightAfterBeginDocGivesOneBlankPage) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    EXPECT_EQ(pdf.BeginDoc(path), path);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);

    const std::string bytes = kv::test::ReadFile(path);
    EXPECT_EQ(bytes.substr(0, 9), "%PDF-1.3\n");
    EXPECT_EQ(bytes.substr(9, 31), "% Folivo PDF Writer rel. 2.4.8\n");
    const auto layout = ReadLayout(bytes);
    EXPECT_TRUE(layout.problems.empty()) << ::testing::PrintToString(layout.problems);
    // Page, its content, metadata, then the reserved objects, catalog and information.
    EXPECT_EQ(layout.fileOrder, (std::vector<int32_t>{4, 5, 6, 3, 2, 1, 7, 8}));
    EXPECT_EQ(layout.size, 9);
    EXPECT_NE(layout.trailer.find("/Info 8 0 R /Root 7 0 R"), std::string::npos) << layout.trailer;
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "%%EOF\n");

    PdfFacts facts(path);
    ASSERT_TRUE(facts.ok()) << facts.output();
    EXPECT_EQ(facts["pages"], "1");
    EXPECT_EQ(facts["page1MediaBox"], "0 0 596 842");
    EXPECT_EQ(facts.Bytes("page1Content"), "1 0 0 -1 0 842 cm \r0 0 0 rg\r0 0 0 RG\r");
}

TEST(DocumentLayout, FontPageContentThenSharedObjects) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    pdf.BeginDoc(path);
    pdf.BeginPage();
    pdf.SetFont("Courier New", 10);
    pdf.DrawText(50, 50, "Elenco Documenti");
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);
    const auto layout = ReadLayout(kv::test::ReadFile(path));
    EXPECT_TRUE(layout.problems.empty()) << ::testing::PrintToString(layout.problems);
    EXPECT_EQ(layout.fileOrder, (std::vector<int32_t>{4, 5, 6, 7, 3, 2, 1, 8, 9}));
    EXPECT_EQ(layout.size, 10);
    EXPECT_NE(layout.trailer.find("<< /Size 10 /Info 9 0 R /Root 8 0 R\n>>\nstartxref\n"), std::string::npos)
        << layout.trailer;
    EXPECT_NE(kv::test::PdfToText(path).find("Elenco Documenti"), std::string::npos);
}

TEST(DocumentLayout, ContentLinesEndWithCarriageReturnFileLinesWithLineFeed) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    pdf.BeginDoc(path);
    pdf.MoveTo(-100, 3);  // before any page: dropped, though the point moves
    EXPECT_FLOAT_EQ(pdf.GetX(), -100);
    pdf.BeginPage();
    pdf.MoveTo(10, 20.5f);
    pdf.AxisTranslation(1, 2);
    pdf.EndPage();
    pdf.MoveTo(7, 7);  // between pages: dropped
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);

    PdfFacts facts(path);
    const std::string content = facts.Bytes("page1Content");
    EXPECT_NE(content.find("0 0 0 RG\r10 20.5 m\r1 0 0 1 1 2 cm\r"), std::string::npos) << content;
    EXPECT_EQ(content.find("-100"), std::string::npos);
    EXPECT_EQ(content.find("7 7 m"), std::string::npos);
    const std::string bytes = kv::test::ReadFile(path);
    EXPECT_NE(bytes.find("\n4 0 obj\n<< /Type /Page"), std::string::npos);
    EXPECT_NE(bytes.find("\nendobj\n5 0 obj\n<<\n/Length "), std::string::npos);
    EXPECT_EQ(bytes.find("\r\n4 0 obj"), std::string::npos);
}

TEST(DocumentLayout, HighestObject999GivesSize1000) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    pdf.BeginDoc(path);
    pdf.BeginObject("LOGO");
    pdf.MoveTo(1, 1);
    pdf.EndObject();
    for (int page = 0; page < 496; ++page) pdf.BeginPage();
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);
    const std::string bytes = kv::test::ReadFile(path);
    EXPECT_NE(bytes.find("xref\n0 1000\n0000000000 65535 f\r\n"), std::string::npos);
    const auto layout = ReadLayout(bytes);
    EXPECT_TRUE(layout.problems.empty()) << ::testing::PrintToString(layout.problems);
    EXPECT_EQ(layout.size, 1000);
    EXPECT_EQ(layout.fileOrder.size(), 999u);
}

TEST(DocumentLayout, NewerFeatureRaisesTheVersionInPlace) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string plain = Pdf(dir, "plain.pdf");
    const std::string raised = Pdf(dir, "raised.pdf");
    pdf.BeginDoc(plain);
    pdf.EndDoc();
    pdf.Abort();
    pdf.SetViewerPreferences(128);  // /DisplayDocTitle needs PDF 1.4
    pdf.BeginDoc(raised);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(raised);

    const std::string before = kv::test::ReadFile(plain);
    const std::string after = kv::test::ReadFile(raised);
    EXPECT_EQ(after.substr(0, 9), "%PDF-1.4\n");
    EXPECT_EQ(after.substr(9, 31), before.substr(9, 31));
    EXPECT_TRUE(ReadLayout(after).problems.empty());
    EXPECT_EQ(PdfFacts(raised)["version"], "1.4");
}

TEST(DocumentInfo, StringsAreEscapedAndEmptyOnesKept) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    pdf.SetDocProperty("Elenco (bozza) \\ 2026", "", "Studio Rossi");
    pdf.BeginDoc(path);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);
    const std::string bytes = kv::test::ReadFile(path);
    EXPECT_NE(bytes.find("/Title (Elenco \\(bozza\\) \\\\ 2026)\r"), std::string::npos);
    EXPECT_NE(bytes.find("/Subject ()\r"), std::string::npos);
    EXPECT_NE(bytes.find("/Keywords ()\r"), std::string::npos);

    PdfFacts facts(path);
    EXPECT_EQ(facts.Bytes("infoTitle"), "Elenco (bozza) \\ 2026");
    EXPECT_EQ(facts.Bytes("infoAuthor"), "Studio Rossi");
    EXPECT_EQ(facts.Bytes("infoCreator"), "Folivo");
    EXPECT_EQ(facts.Bytes("infoProducer"), "Folivo PDF Writer rel. 2.4.8");
    EXPECT_EQ(facts.Bytes("infoCreationDate"), "D:20261206090507Z+01'00'");
}

TEST(DocumentInfo, XmpPacketCountsItsOwnBytesAndIsValidXml) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    pdf.SetDocProperty("Citt\xE0 & <Co>", "Riepilogo");
    pdf.BeginDoc(path);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);

    PdfFacts facts(path);
    const std::string packet = facts.Bytes("metadata");
    const size_t at = packet.find("bytes='");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(std::stoul(packet.substr(at + 7)), packet.size());
    EXPECT_NE(packet.find("<pdf:Title>Citt\xC3\xA0 &amp; &lt;Co&gt;</pdf:Title>\r"), std::string::npos);
    EXPECT_NE(packet.find("  <rdf:li xml:lang='x-default'>Riepilogo</rdf:li>\r"), std::string::npos);
    EXPECT_EQ(packet.substr(packet.size() - 20), "<?xpacket end='r'?>\r");
    EXPECT_EQ(facts["metadataXml"], "ok") << facts.output();
}

TEST(DocumentLifeCycle, CreationDateIsTakenAtReset) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    host.now = {2027, 1, 2, 3, 4, 5};  // a later clock does not change the open document
    pdf.BeginDoc(Pdf(dir, "first.pdf"));
    pdf.EndDoc();
    EXPECT_EQ(PdfFacts(dir / "first.pdf").Bytes("infoCreationDate"), "D:20261206090507Z+01'00'");
    pdf.Abort();
    pdf.BeginDoc(Pdf(dir, "second.pdf"));
    pdf.EndDoc();
    EXPECT_EQ(PdfFacts(dir / "second.pdf").Bytes("infoCreationDate"), "D:20270102030405Z+01'00'");
}

TEST(DocumentLifeCycle, FileSizeFollowsTheFile) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    EXPECT_EQ(pdf.FileSize(), 0);
    pdf.BeginDoc(path);
    EXPECT_EQ(pdf.FileSize(), 40);  // the two header lines
    pdf.BeginPage();
    pdf.EndPage();
    EXPECT_GT(pdf.FileSize(), 40);
    pdf.EndDoc();
    EXPECT_EQ(pdf.FileSize(), static_cast<int32_t>(kv::test::ReadFile(path).size()));
    pdf.Abort();
    EXPECT_EQ(pdf.FileSize(), 0);
}

TEST(DocumentLifeCycle, AbortResetsEverythingBeginDocNothing) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    pdf.SetScale(2);
    pdf.SetPaperSize(1);
    pdf.SetFont("Arial", 12);
    pdf.BeginDoc(Pdf(dir, "a.pdf"));
    pdf.BeginPage();
    pdf.EndDoc();
    EXPECT_GT(pdf.TextLength("A"), 0);
    // Without Abort the counters and settings carry over into the next document.
    pdf.BeginDoc(Pdf(dir, "b.pdf"));
    EXPECT_EQ(pdf.GetPage(), 1);
    EXPECT_FLOAT_EQ(pdf.GetPageWidth(false), 842 / 2.8346455f);
    pdf.Abort();
    EXPECT_EQ(pdf.GetPage(), 0);
    EXPECT_FLOAT_EQ(pdf.GetPageWidth(false), 596);
    EXPECT_EQ(pdf.TextLength("A"), 0);  // no font selected any more
    const std::string path = Pdf(dir, "c.pdf");
    pdf.BeginDoc(path);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);
    const auto layout = ReadLayout(kv::test::ReadFile(path));
    EXPECT_EQ(layout.fileOrder, (std::vector<int32_t>{4, 5, 6, 3, 2, 1, 7, 8}));
    EXPECT_EQ(kv::test::ReadFile(path).find("/Font"), std::string::npos);
}

TEST(DocumentLifeCycle, AnExistingFileIsReplacedNotAppended) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = Pdf(dir);
    kv::test::WriteFile(path, std::string(100000, 'x'));
    pdf.BeginDoc(path);
    pdf.EndDoc();
    const std::string bytes = kv::test::ReadFile(path);
    EXPECT_EQ(bytes.substr(0, 8), "%PDF-1.3");
    EXPECT_EQ(bytes.find('x' + std::string(20, 'x')), std::string::npos);
    EXPECT_EQ(static_cast<int32_t>(bytes.size()), pdf.FileSize());
    EXPECT_QPDF_CLEAN(path);
}

TEST(DocumentLifeCycle, DefaultNameComesFromClockAndRandomDigit) {
    kv::test::TempDir dir("doc");
    FakeHost host;
    host.now = {2026, 12, 6, 9, 5, 7};
    host.random = 0.42;  // digit 4: "6" "09" "05" "07" "4" = 60905074 = 0x3A15672
    Folivo pdf(host);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const std::string name = pdf.BeginDoc();
    pdf.EndDoc();
    std::filesystem::current_path(previous);
    EXPECT_EQ(name, "~3A15672.pdf");
    EXPECT_QPDF_CLEAN(dir / name);
    pdf.OpenDoc();
    EXPECT_EQ(host.opened, name);
}

TEST(DocumentLifeCycle, VersionAndMemoryUsage) {
    FakeHost host;
    Folivo pdf(host);
    EXPECT_EQ(pdf.Version(), "2.4.8");
    kv::test::TempDir dir("doc");
    // Any MemoryUsage gives the same file; 11 and above are ignored.
    std::string files[2];
    for (int i = 0; i < 2; ++i) {
        pdf.Abort();
        pdf.SetMemoryUsage(i == 0 ? 1 : 7);
        pdf.SetMemoryUsage(11);
        const std::string path = Pdf(dir, "m" + std::to_string(i) + ".pdf");
        pdf.BeginDoc(path);
        for (int page = 0; page < 40; ++page) pdf.BeginPage();
        pdf.EndDoc();
        EXPECT_QPDF_CLEAN(path);
        files[i] = kv::test::ReadFile(path);
    }
    EXPECT_EQ(files[0], files[1]);
}

}  // namespace
}  // namespace folivo
