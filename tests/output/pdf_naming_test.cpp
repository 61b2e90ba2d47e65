// PDF folders and file names: the base folder, the folder tree, the cleaning of names and the
// numbering option.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "output/pdf_folders.hpp"
#include "output/pdf_naming.hpp"
#include "tests/output/output_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::output {
namespace {

namespace fs = std::filesystem;

TEST(BaseFolder, DropsTheLastComponentInEitherStyle) {
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\DATI\\ARCHIVI", "D:\\DATI"}, {"  D:\\DATI\\ARCHIVI  ", "D:\\DATI"}, {"C:\\", "C:"}, {"C:\\ARK", "C:"},
        {"\\ARK", "\\"}, {"/srv/dati/archivi", "/srv/dati"}, {"/ab", "/"}, {"archivi", "."}};
    for (const auto& [archives, base] : cases) EXPECT_EQ(BaseFolderOf(archives), base) << archives;
}

TEST(FileName, CleansForbiddenCharactersOnly) {
    std::string name = "A*B|C\\D:E<F>G?H/I\"J' K.";
    PULISCINOMEFILE(name);
    EXPECT_EQ(name, "A_B_C_D_E_F_G_H_I_J' K");
    name = "X..";
    PULISCINOMEFILE(name);
    EXPECT_EQ(name, "X.") << "one final point removed, once";
}

TEST(FileName, ReportCompanyAndNameCases) {
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "ROSSI SRL"), "PARD_AC_001_ROSSI SRL.pdf");
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "A/B"), "PARD_AC_001_A_B.pdf");
    EXPECT_EQ(PdfFileName("PARR_AP_", false, "002", "L'ARTE SNC"), "PARR_AP_002_L'ARTE SNC.pdf");
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "      "), "PARD_AC_001.pdf");
    EXPECT_EQ(PdfFileName("PARD_AC_", false, "001", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"),
              "PARD_AC_001_ABCDEFGHIJKLMNOPQRSTUVWXYZ0123.pdf");
    EXPECT_EQ(PdfFileName("PARC_AC_", false, "003", "  STUDIO ROSSI" + std::string(20, ' ') + "E ASSOCIATI"),
              "PARC_AC_003_STUDIO ROSSI.pdf") << "trimmed, cut to 30, trimmed again";
    EXPECT_EQ(PdfFileName("PERCIPIENTI", true, "001", "ROSSI SRL"), "PERCIPIENTI.pdf");
}

using PdfFolders = OutputFixture;

TEST_F(PdfFolders, TheTreeGoesBesideTheArchivesInTheirStyle) {
    const std::string posix = (dir.path() / "dati").string();
    const struct {
        std::string archives, code, kind, period, base, folder, host;
    } cases[] = {
        {"D:\\DATI\\ARCHIVI", "001", "PARC", "200612", "D:\\DATI", "D:\\DATI\\FILE-PDF\\001\\2006\\12\\PARC",
         (dir.path() / "drives/d/DATI/FILE-PDF/001/2006/12/PARC").string()},
        {"D:\\DATI\\ARCHIVI", "001", "PERCIPIENTI", "200612", "D:\\DATI", "D:\\DATI\\FILE-PDF\\PERCIPIENTI",
         (dir.path() / "drives/d/DATI/FILE-PDF/PERCIPIENTI").string()},
        {"C:\\", "004", "PERCIPIENTI", "202401", "C:", "C:\\FILE-PDF\\PERCIPIENTI",
         (dir.path() / "drives/c/FILE-PDF/PERCIPIENTI").string()},
        {posix + "/archivi", "002", "PARC", "202412", posix, posix + "/FILE-PDF/002/2024/12/PARC",
         posix + "/FILE-PDF/002/2024/12/PARC"},
    };
    for (const auto& c : cases) {
        SetArchives(c.archives);
        for (int run = 0; run < 2; ++run) CREACARTELLEPDF(state, c.code, c.kind, c.period);  // existing folders are fine
        EXPECT_EQ(state.BASEPDF, c.base) << c.archives;
        EXPECT_EQ(state.CARTELLAPDF, c.folder) << c.archives;
        EXPECT_TRUE(fs::is_directory(c.host)) << c.host;
    }
}

using Numbering = OutputFixture;

TEST_F(Numbering, TakesTheFirstFreeSuffixAndWhenThereIsNoneShowsTheLimitAndKeepsThePath) {
    SetArchives("D:\\DATI\\ARCHIVI");
    const std::string path = "D:\\DATI\\X.pdf";
    EXPECT_EQ(NumberedPdfPath(state, path), "D:\\DATI\\X_001.pdf");
    test::WriteFile(Host("D:\\DATI") / "X_001.pdf", "");
    test::WriteFile(Host("D:\\DATI") / "X_002.pdf", "");
    EXPECT_EQ(NumberedPdfPath(state, path), "D:\\DATI\\X_003.pdf");
    EXPECT_TRUE(dialogs.shown().empty());
    for (int n = 0; n < 1000; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "X_%03d.pdf", n);
        test::WriteFile(Host("D:\\DATI") / name, "");
    }
    EXPECT_EQ(NumberedPdfPath(state, path), path);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Cedolini/riepiloghi PDF");
    EXPECT_EQ(dialogs.shown()[0].text, "Numerazione file PDF massima raggiunta \rContattare Orvanta Duruver");
    EXPECT_EQ(dialogs.shown()[0].icon, platform::Icon::Stop);
}

}  // namespace
}  // namespace kv::output
