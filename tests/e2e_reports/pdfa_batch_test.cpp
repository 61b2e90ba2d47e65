// The four reports written with --pdfa: each file passes the PDF/A clause check (pdfa_check.py) and
// reads back as the plain report does (protected companies: tests/output/archival_output_test.cpp).

#include "tests/e2e_reports/e2e_fixture.hpp"

namespace kv::e2e {
namespace {

class PdfABatchTest : public BatchReportTest {};

TEST_F(PdfABatchTest, FourReportsInPdfAPassTheClauseCheckAndReadAsThePlainOnes) {
    const std::string reports[] = {"documenti", "registro", "certificazioni", "percipienti"};
    const std::string selection = " --ditte 001";
    for (const std::string& report : reports) ASSERT_EQ(Batch("--report " + report + selection).status, 0);
    const fs::path plain = dir / "plain";
    fs::rename(PdfRoot(), plain);
    for (const std::string& report : reports) {
        const auto result = Batch("--report " + report + selection + " --pdfa");
        ASSERT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(result.output.find("PDF/A non possibile"), std::string::npos) << result.output;
    }
    const fs::path checker = fs::path(KV_SOURCE_DIR) / "tests" / "e2e_reports" / "pdfa_check.py";
    const std::vector<fs::path> pdfs = AllPdfs();
    EXPECT_GE(pdfs.size(), 4u);
    for (const fs::path& pdf : pdfs) {
        const fs::path twin = plain / fs::relative(pdf, PdfRoot());
        ASSERT_TRUE(fs::exists(twin)) << pdf;
        EXPECT_QPDF_CLEAN(pdf);
        const auto check = test::Python(test::ShellQuote(checker.string()) + " " + test::ShellQuote(pdf.string()) +
                                        " " + test::ShellQuote(twin.string()));
        EXPECT_EQ(check.status, 0) << pdf << ":\n" << check.output;
        EXPECT_EQ(test::PdfToText(pdf, true), test::PdfToText(twin, true)) << pdf;
    }
}

}  // namespace
}  // namespace kv::e2e
