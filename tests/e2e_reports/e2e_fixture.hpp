#pragma once
// The demo installation in a scratch folder, kvvelm-batch run on it as a user would, and the PDF
// files it writes read back by outside tools (pikepdf through pdf_texts.py, pdftotext, qpdf).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e_reports/pdf_texts.hpp"
#include "tests/support/test_support.hpp"
#include "tools/demo/demo_fee_notes.hpp"
#include "tools/demo/demo_writer.hpp"

namespace kv::e2e {

class BatchReportTest : public ::testing::Test {
protected:
    // The demo installation, its notes multiplied by `scale`.
    explicit BatchReportTest(int scale = 1);

    // `runner` goes before the command (such as setpriv, to run it as another user).
    test::CommandResult Batch(const std::string& arguments, const std::string& runner = "");
    // Runs a report that must succeed and writes `pdf`: the file passes qpdf; its texts as pikepdf reads them.
    std::vector<PdfText> BatchTexts(const std::string& arguments, const fs::path& pdf);

    // The folder of a company's documents: FILE-PDF/<code>/2025/12/PARC.
    fs::path CompanyFolder(const std::string& code) const;
    fs::path PdfRoot() const { return demo_.root / "FILE-PDF"; }

    // Every PDF under FILE-PDF.
    std::vector<fs::path> AllPdfs() const;

    test::TempDir dir_;
    demo::DemoPaths demo_;
};

}  // namespace kv::e2e
