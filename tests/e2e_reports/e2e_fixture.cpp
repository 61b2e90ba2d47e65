#include "tests/e2e_reports/e2e_fixture.hpp"

#include <algorithm>
#include <sstream>

#include "tools/demo/fee_note_writer.hpp"

namespace kv::e2e {

namespace {

const fs::path kBatch = fs::path(KV_BINARY_DIR) / "cli" / "kvvelm-batch";

}  // namespace

BatchReportTest::BatchReportTest(int scale) : dir_("e2e_reports"), demo_(dir_.path() / "demo") {
    demo::DemoWriter writer(demo_.root);
    writer.WriteStartUpPart();
    demo::WriteFeeNotePart(writer, demo::FeeNoteOptions{scale});
}

test::CommandResult BatchReportTest::Batch(const std::string& arguments, const std::string& runner) {
    const std::string environment = "LC_ALL=C KVVELM_REGISTRY=" + test::ShellQuote(demo_.registryFile.string()) +
                                    " KVVELM_DRIVES=" + test::ShellQuote(demo_.drivesRoot.string()) +
                                    " KVVELM_LOCK=" + test::ShellQuote((dir_.path() / "kvvelm.lock").string()) +
                                    " KVVELM_PRINTERS='KVVELM_Laser' ";
    EXPECT_TRUE(fs::exists(kBatch)) << "build kvvelm-batch first";
    return test::Run(runner + "env " + environment + test::ShellQuote(kBatch.string()) + " " + arguments + " </dev/null");
}

std::vector<PdfText> BatchReportTest::BatchTexts(const std::string& arguments, const fs::path& pdf) {
    const test::CommandResult result = Batch(arguments);
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_QPDF_CLEAN(pdf);
    return ReadTexts(pdf);
}

fs::path BatchReportTest::CompanyFolder(const std::string& code) const {
    return PdfRoot() / code / "2025" / "12" / "PARC";
}

std::vector<fs::path> BatchReportTest::AllPdfs() const {
    std::vector<fs::path> pdfs;
    if (!fs::exists(PdfRoot())) return pdfs;
    for (const auto& entry : fs::recursive_directory_iterator(PdfRoot())) {
        if (entry.path().extension() == ".pdf") pdfs.push_back(entry.path());
    }
    std::sort(pdfs.begin(), pdfs.end());
    return pdfs;
}

}  // namespace kv::e2e
