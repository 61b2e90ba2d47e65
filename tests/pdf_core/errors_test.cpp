// Bad input: files that cannot be created, and writing without a file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

namespace fs = std::filesystem;

// BeginDoc keeps the error and returns; drawing still goes to the page buffer, but everything
// that writes the file throws a clear error.
void ExpectWritingFails(Folivo& pdf) {
    pdf.BeginPage();
    pdf.MoveTo(1, 1);
    const Error error = ErrorOf([&] { pdf.EndPage(); });
    EXPECT_EQ(error.number(), kErrBadFileNumber);
    EXPECT_TRUE(Contains(error.what(), "no PDF file is open")) << error.what();
    EXPECT_THROW(pdf.EndDoc(), Error);
}

TEST(BeginDocErrors, MissingFolderOrAFolderInPlaceOfTheFileIsRecordedUntilAbort) {
    Doc d;
    fs::create_directory(d.dir / "report.pdf");
    const struct {
        std::string path;
        int32_t number;
    } cases[] = {{(d.dir / "missing" / "out.pdf").string(), kErrPathNotFound},
                 {(d.dir / "report.pdf").string(), kErrPathFileAccess}};
    for (const auto& c : cases) {
        EXPECT_EQ(d.pdf.BeginDoc(c.path), c.path);
        EXPECT_EQ(d.pdf.ErrNumber(), c.number);
        EXPECT_EQ(d.pdf.ErrSource(), "Folivo.BeginDoc");
        EXPECT_TRUE(d.pdf.ErrDescription().starts_with(c.path + " - ")) << d.pdf.ErrDescription();
        ExpectWritingFails(d.pdf);
        EXPECT_EQ(d.pdf.ErrNumber(), c.number) << "kept until the next recorded error";
        d.pdf.Abort();
        EXPECT_EQ(d.pdf.ErrNumber(), 0);
        EXPECT_EQ(d.pdf.ErrSource(), "");
    }
    EXPECT_EQ(d.host.messages, 0);
    EXPECT_EQ(d.pdf.ErrDescription(), "");
    EXPECT_FALSE(fs::exists(d.dir / "missing"));
    EXPECT_TRUE(fs::is_directory(d.dir / "report.pdf"));
    // A good BeginDoc after a failed one writes a whole file and keeps the recorded error.
    d.pdf.BeginDoc(cases[0].path);
    EXPECT_EQ(d.pdf.ErrDescription(), cases[0].path + " - Path not found");
    d.pdf.BeginDoc(d.path.string());
    d.Finish();
    EXPECT_EQ(d.pdf.ErrNumber(), kErrPathNotFound);
}

// A folder where creating files is refused (for root, a read-only file system); writable again
// when the object goes, so the scratch folder can be removed.
struct RefusedPath {
    fs::path folder;
    std::string path;
    explicit RefusedPath(const kv::test::TempDir& dir) : folder(dir / "locked") {
        if (geteuid() == 0) {
            path = "/sys/kvvelm-pdfcore-refused.pdf";
            return;
        }
        fs::create_directory(folder);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        path = (folder / "out.pdf").string();
    }
    ~RefusedPath() {
        if (geteuid() != 0) fs::permissions(folder, fs::perms::owner_all);
    }
};

TEST(BeginDocErrors, PermissionDeniedAsksToRetryThenRecords) {
    Doc d;
    d.host.retriesToGrant = 2;
    const RefusedPath refused(d.dir);
    d.pdf.BeginDoc(refused.path);
    // Two retries granted, the third question answered "no".
    EXPECT_EQ(d.host.messages, 3);
    EXPECT_EQ(d.host.lastTitle, "Creazione PDF");
    EXPECT_EQ(d.host.lastText,
              "Attenzione!\r\rIl file PDF risulta essere gi\xE0 aperto.\r\rPer proseguire chiudere il file pdf "
              "aperto e successivamente premere sul pulsante 'OK' di questo messaggio\r\r");
    EXPECT_EQ(d.pdf.ErrNumber(), kErrPermissionDenied);
    EXPECT_EQ(d.pdf.ErrDescription(), refused.path + " - Permission denied");

    Folivo alone;  // the default host: the message goes to standard error, no retry
    EXPECT_EQ(alone.BeginDoc(refused.path), refused.path);
    EXPECT_EQ(alone.ErrNumber(), kErrPermissionDenied);
}

}  // namespace
}  // namespace folivo::test
