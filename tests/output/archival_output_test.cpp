// Documents asked for in PDF/A: a protected company's keeps its protection and is noted as not
// PDF/A; the others are set up as PDF/A before their file is opened.
#include <gtest/gtest.h>

#include "output/folivo_writer.hpp"
#include "output/page_forms.hpp"
#include "output/pdf_folders.hpp"
#include "output/print_text.hpp"
#include "tests/output/output_fixture.hpp"

namespace kv::output {
namespace {

class ArchivalOutput : public OutputFixture {
protected:
    void SetUp() override {
        state.MODOPDF = true;
        state.archivalPdf = true;
        SetArchives("D:\\DATI\\ARCHIVI");
    }
    std::string WriteOnePage() {
        OpenHeadingPage(state, {"001", kKindFeeNotes, "200612", "PARD_AC_", {}}, true);
        HeadingFont(state, 9);
        std::string line = "PAGINA";
        STAMPATESTO(state, 1, 1, line);
        EndCompanyOutput(state);
        return test::ReadFile(Host("D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC\\PARD_AC_001_ROSSI.pdf"));
    }
};

TEST_F(ArchivalOutput, AProtectedCompanyKeepsItsProtectionAndIsNotedTheOthersArePdfA) {
    state.makeWriter = FolivoWriterFactory();
    SetCompany("001", "ROSSI", "utente");
    SetOwnerPassword("titolare");
    const std::string protectedFile = WriteOnePage();
    EXPECT_NE(protectedFile.find("/Encrypt"), std::string::npos);
    EXPECT_EQ(protectedFile.find("pdfaid"), std::string::npos);
    ASSERT_EQ(state.run.notArchival.size(), 1u);
    EXPECT_EQ(state.run.notArchival[0].company.code, "001");
    EXPECT_EQ(state.run.notArchival[0].reason, "PDF/A non possibile: documento protetto");

    SetCompany("001", "ROSSI");
    state.PAGINANUOVA = true;
    const std::string archival = WriteOnePage();
    EXPECT_NE(archival.find("<pdfaid:part>2</pdfaid:part>"), std::string::npos);
    EXPECT_EQ(archival.find("/Encrypt"), std::string::npos);
    EXPECT_EQ(state.run.notArchival.size(), 1u);
    EXPECT_TRUE(state.run.written.at(1).archival && !state.run.written.at(0).archival);
}

}  // namespace
}  // namespace kv::output
