#include <gtest/gtest.h>

#include "tests/support/test_support.hpp"

// The outside judges must be present, or every PDF check below them would pass for the wrong reason.
TEST(OutsideTools, AreInstalledAndReportFailures) {
    kv::test::TempDir dir("support");
    kv::test::WriteFile(dir / "broken.pdf", "%PDF-1.3\nnot a pdf\n");
    EXPECT_NE(kv::test::QpdfCheck(dir / "broken.pdf").status, 0);
    EXPECT_EQ(kv::test::Run("pdftotext -v").status, 0);
    EXPECT_EQ(kv::test::Python("-c 'import pikepdf'").status, 0);
}
