// CREAPDF and CHIUDIPDF with a recording writer: what a failure leaves on disk (one document per
// company: tests/output/page_forms_test.cpp and the reports; numbering: pdf_naming_test.cpp).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/page_forms.hpp"
#include "output/pdf_document.hpp"
#include "output/pdf_folders.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::output {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using test::ErrorOf;

class PdfDocument : public OutputFixture {
protected:
    void SetUp() override {
        state.MODOPDF = true;
        SetArchives("D:\\DATI\\ARCHIVI");
        SetCompany("001", "ROSSI SRL");
    }

    // The heading of a company's first page, as the reports call it.
    void StartDocument(const std::string& prefix = "PARD_AC_") {
        CREACARTELLEPDF(state, "001", "PARC", "200612");
        CREAPDF(state, prefix);
    }

    fs::path Folder() const { return Host("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC"); }

    // Files in the document folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder())) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(PdfDocument, AFailedFinishLeavesNoFileAndNamesIt) {
    fs::create_directories(Folder());
    test::WriteFile(Folder() / "PARD_AC_001_ROSSI SRL.pdf", "older run");
    log->failingCall = "EndDoc";
    StartDocument();
    const platform::RuntimeError error = ErrorOf([&] { EndCompanyOutput(state); });
    EXPECT_EQ(error.number(), platform::err::kDiskFull);
    EXPECT_THAT(error.description(), HasSubstr("PARD_AC_001_ROSSI SRL.pdf"));
    EXPECT_THAT(error.description(), HasSubstr("Disk full"));
    EXPECT_THAT(log->calls.back(), "Abort()");
    EXPECT_THAT(Files(), ElementsAre("PARD_AC_001_ROSSI SRL.pdf")) << "no partial file";
    EXPECT_EQ(test::ReadFile(Folder() / "PARD_AC_001_ROSSI SRL.pdf"), "older run");
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_EQ(state.writer, nullptr);
}

TEST_F(PdfDocument, AFailedTextDiscardsTheDocument) {
    StartDocument();
    log->failingCall = "DrawText";
    std::string line = "TEXT";
    const platform::RuntimeError error = ErrorOf([&] { STAMPATESTO(state, 1, 1, line); });
    EXPECT_THAT(error.description(), HasSubstr("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC\\PARD_AC_001_ROSSI SRL.pdf"));
    EXPECT_TRUE(Files().empty());
    EXPECT_FALSE(state.PDFAPERTO);
    EXPECT_EQ(line, "");
}

}  // namespace
}  // namespace kv::output
