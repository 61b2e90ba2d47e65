#pragma once
// The demo installation in a scratch folder, kvvelm-batch run on it as a user would, and the PDF
// files it writes read back by outside tools (pikepdf through pdf_texts.py, pdftotext, qpdf).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/pdf_texts.hpp"
#include "tests/support/batch_run.hpp"

namespace kv::e2e {

class BatchReportTest : public ::testing::Test, public test::BatchInstallation {
protected:
    BatchReportTest() : BatchInstallation("e2e_reports", 1) {}

    // The folder of a company's documents: FILE-PDF/<code>/2025/12/PARC.
    fs::path CompanyFolder(const std::string& code) const { return PdfRoot() / code / "2025" / "12" / "PARC"; }

    // Every PDF under FILE-PDF, sorted.
    std::vector<fs::path> AllPdfs() const {
        std::vector<fs::path> pdfs;
        if (!fs::exists(PdfRoot())) return pdfs;
        for (const auto& entry : fs::recursive_directory_iterator(PdfRoot()))
            if (entry.path().extension() == ".pdf") pdfs.push_back(entry.path());
        std::sort(pdfs.begin(), pdfs.end());
        return pdfs;
    }
};

}  // namespace kv::e2e
