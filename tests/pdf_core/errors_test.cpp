// Bad input: files that cannot be created, and writing without a file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "pdf/folivo.hpp"
#include "pdf_facts.hpp"
#include "tests/support/test_support.hpp"

namespace folivo {
namespace {

using test::FakeHost;

// BeginDoc keeps the error and returns; drawing still goes to the page buffer, but everything
// that writes the file throws a clear error.
void ExpectWritingFails(Folivo& pdf) {
    pdf.BeginPage();
    pdf.MoveTo(1, 1);
    try {
        pdf.EndPage();
        FAIL() << "EndPage wrote without a file";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), kErrBadFileNumber);
        EXPECT_NE(std::string(error.what()).find("no PDF file is open"), std::string::npos);
    }
    EXPECT_THROW(pdf.EndDoc(), Error);
}

TEST(BeginDocErrors, MissingFolderIsRecorded) {
    kv::test::TempDir dir("err");
    FakeHost host;
    Folivo pdf(host);
    const std::string path = (dir / "missing" / "out.pdf").string();
    EXPECT_EQ(pdf.BeginDoc(path), path);
    EXPECT_EQ(pdf.ErrNumber(), kErrPathNotFound);
    EXPECT_EQ(pdf.ErrSource(), "Folivo.BeginDoc");
    EXPECT_EQ(pdf.ErrDescription(), path + " - Path not found");
    EXPECT_EQ(host.messages, 0);
    ExpectWritingFails(pdf);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(BeginDocErrors, FolderInPlaceOfTheFileIsRecordedAndKept) {
    kv::test::TempDir dir("err");
    FakeHost host;
    Folivo pdf(host);
    const auto folder = dir / "report.pdf";
    std::filesystem::create_directory(folder);
    pdf.BeginDoc(folder.string());
    EXPECT_EQ(pdf.ErrNumber(), kErrPathFileAccess);
    EXPECT_EQ(pdf.ErrSource(), "Folivo.BeginDoc");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    ExpectWritingFails(pdf);
    // The error stays until the next recorded one; Abort clears it.
    EXPECT_EQ(pdf.ErrNumber(), kErrPathFileAccess);
    pdf.Abort();
    EXPECT_EQ(pdf.ErrNumber(), 0);
    EXPECT_EQ(pdf.ErrSource(), "");
}

// A path whose creation is refused: a read-only folder, or for root a read-only file system.
std::string RefusedPath(const kv::test::TempDir& dir) {
    if (geteuid() == 0) return "/sys/kvvelm-pdfcore-refused.pdf";
    const auto locked = dir / "locked";
    std::filesystem::create_directory(locked);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    return (locked / "out.pdf").string();
}

TEST(BeginDocErrors, PermissionDeniedAsksToRetryThenRecords) {
    kv::test::TempDir dir("err");
    FakeHost host;
    host.retriesToGrant = 2;
    Folivo pdf(host);
    const std::string path = RefusedPath(dir);
    pdf.BeginDoc(path);
    // Two retries granted, the third question answered "no".
    EXPECT_EQ(host.messages, 3);
    EXPECT_EQ(host.lastTitle, "Creazione PDF");
    EXPECT_EQ(host.lastText,
              "Attenzione!\r\rIl file PDF risulta essere gi\xE0 aperto.\r\rPer proseguire chiudere il file pdf "
              "aperto e successivamente premere sul pulsante 'OK' di questo messaggio\r\r");
    EXPECT_EQ(pdf.ErrNumber(), kErrPermissionDenied);
    EXPECT_EQ(pdf.ErrDescription(), path + " - Permission denied");
    if (geteuid() != 0) {
        std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_all);
    }
}

TEST(BeginDocErrors, TheDefaultHostAnswersNoAndBeginDocReturns) {
    kv::test::TempDir dir("err");
    Folivo pdf;  // DefaultHost: the message goes to standard error, no retry
    const std::string path = RefusedPath(dir);
    EXPECT_EQ(pdf.BeginDoc(path), path);
    EXPECT_EQ(pdf.ErrNumber(), kErrPermissionDenied);
    if (geteuid() != 0) std::filesystem::permissions(dir / "locked", std::filesystem::perms::owner_all);
}

TEST(BeginDocErrors, AFailedBeginDocCanBeFollowedByAGoodOne) {
    kv::test::TempDir dir("err");
    FakeHost host;
    Folivo pdf(host);
    // The default host never retries; a failed BeginDoc followed by a good one writes a whole file.
    pdf.BeginDoc((dir / "no" / "such.pdf").string());
    const std::string path = (dir / "good.pdf").string();
    pdf.BeginDoc(path);
    pdf.EndDoc();
    EXPECT_QPDF_CLEAN(path);
    // The good BeginDoc does not clear the recorded error.
    EXPECT_EQ(pdf.ErrNumber(), kErrPathNotFound);
}

}  // namespace
}  // namespace folivo
