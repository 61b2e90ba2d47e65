// The file port on real files: case-insensitive names, error numbers, positioned and line access
// (sharing with another process is tested through the archive files). The user's decimal separator
// and short date on Linux: plain and missing locales give "," and DD/MM/YYYY; an installed locale
// (compiled into the test's folder) gives its own; the pictures write the fields Windows would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "platform/files.hpp"
#include "platform/posix/posix_locale.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class FilePort : public ::testing::Test {
protected:
    TempDir dir{"files"};
    Files files{DriveMap(dir.path() / "drives")};

    static int ErrorOf(const std::function<void()>& action) { return test::ErrorOf(action).number(); }
};

TEST_F(FilePort, NamesMatchWithoutRegardToCaseWhenTheExactOneIsMissing) {
    fs::create_directories(dir.path() / "drives" / "c" / "PqtPaghe");
    WriteFile(dir.path() / "drives" / "c" / "PqtPaghe" / "QtPerArk.qtp", "/srv/ark\r\n");
    EXPECT_TRUE(files.Exists("C:\\PQTPAGHE\\QTPERARK.QTP"));
    EXPECT_TRUE(files.Exists("c:/pqtpaghe/qtperark.QTP"));
    EXPECT_EQ(files.Resolve("C:\\PQTPAGHE\\QTPERARK.QTP"), dir.path() / "drives" / "c" / "PqtPaghe" / "QtPerArk.qtp");
    EXPECT_EQ(files.Length("C:\\pqtpaghe\\QTPERARK.QTP"), 10u);
    // An exact name wins over a case-insensitive one.
    WriteFile(dir / "ark.dat", "1");
    WriteFile(dir / "ARK.DAT", "22");
    EXPECT_EQ(files.Length((dir / "ARK.DAT").string()), 2u);
    // A name that does not exist in any case stays as written, so that it can be created.
    EXPECT_EQ(files.Resolve((dir / "New.Dat").string()), dir / "New.Dat");
    EXPECT_TRUE(files.FolderExists("C:\\PQTPAGHE"));
    EXPECT_FALSE(files.Exists("C:\\PQTPAGHE"));
}

TEST_F(FilePort, FailuresCarryTheirErrorNumbers) {
    std::string missing = (dir / "missing.dat").string();
    EXPECT_EQ(ErrorOf([&] { files.Open(missing, OpenMode::Read); }), 53);
    EXPECT_EQ(ErrorOf([&] { files.Length(missing); }), 53);
    EXPECT_EQ(ErrorOf([&] { files.Delete(missing); }), 53);
    EXPECT_EQ(ErrorOf([&] { files.Open((dir / "no" / "x.dat").string(), OpenMode::ReadWrite); }), 76);
    // A folder is not an archive file.
    EXPECT_EQ(ErrorOf([&] { files.Open(dir.path().string(), OpenMode::ReadWrite); }), 75);
    EXPECT_EQ(ErrorOf([&] { files.Open(dir.path().string(), OpenMode::Read); }), 75);
    // A plain file used as a folder.
    WriteFile(dir / "plain", "x");
    EXPECT_EQ(ErrorOf([&] { files.Open((dir / "plain" / "x.dat").string(), OpenMode::Read); }), 76);
    files.CreateFolder((dir / "FILE-PDF").string());
    EXPECT_TRUE(fs::is_directory(dir / "FILE-PDF"));
    EXPECT_EQ(ErrorOf([&] { files.CreateFolder((dir / "FILE-PDF").string()); }), 75);
    EXPECT_EQ(ErrorOf([&] { files.CreateFolder((dir / "a" / "b").string()); }), 76);
    files.Delete((dir / "plain").string());
    EXPECT_FALSE(fs::exists(dir / "plain"));
}

TEST_F(FilePort, LinesEndAtCrLfCrOrLfAndWriteWithCrLf) {
    // A long first line puts a CR LF across the read-ahead boundary.
    std::string longLine(4095, 'x');
    WriteFile(dir / "t.txt", longLine + "\r\nsecond\rthird\n\nlast");
    SharedFile in = files.Open((dir / "t.txt").string(), OpenMode::Read);
    EXPECT_EQ(in.ReadLine(), longLine);
    EXPECT_EQ(in.ReadLine(), "second");
    EXPECT_EQ(in.ReadLine(), "third");
    EXPECT_EQ(in.ReadLine(), "");
    EXPECT_FALSE(in.AtEnd());
    EXPECT_EQ(in.ReadLine(), "last");
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(ErrorOf([&] { in.ReadLine(); }), 62);

    // A line over several read-aheads, its CR LF across the third one's end; then a line past the
    // longest a text file may hold.
    std::string spanning(3 * 4096 - 1, 'y');
    WriteFile(dir / "s.txt", spanning + "\r\nz\n" + std::string((1 << 20) + 1, 'w'));
    SharedFile lines = files.Open((dir / "s.txt").string(), OpenMode::Read);
    EXPECT_EQ(lines.ReadLine(), spanning);
    EXPECT_EQ(lines.ReadLine(), "z");
    EXPECT_EQ(ErrorOf([&] { lines.ReadLine(); }), 321);

    WriteFile(dir / "w.txt", "old content that is longer");
    SharedFile out = files.Open((dir / "w.txt").string(), OpenMode::WriteNew);
    out.WriteLine("KVVELM_Laser");
    out.WriteLine("");
    EXPECT_EQ(ReadFile(dir / "w.txt"), "KVVELM_Laser\r\n\r\n");
}

const LocalDateTime kMoment{2026, 3, 7, 23, 59, 0, 60};

TEST(UserLocale, PlainAndMissingLocalesGiveCommaAndDayMonthYear) {
    for (const char* name : {"", "C", "POSIX", "C.UTF-8", "C.utf8", "xx_YY.UTF-8"}) {
        UserLocale locale = posix::UserLocaleOf(name, name);
        EXPECT_EQ(locale.decimalSeparator, ',') << name;
        EXPECT_EQ(FormatShortDate(kMoment, locale.shortDatePattern), "07/03/2026") << name;
    }
}

// American English compiled into a scratch folder and found through LOCPATH: its own separator and
// order, each read from its own variable.
TEST(UserLocale, InstalledLocaleGivesItsOwnSettings) {
    test::TempDir locales("locales");
    std::string target = (locales.path() / "en_US.UTF-8").string();
    test::CommandResult made = test::Run("localedef -i en_US -f UTF-8 " + test::ShellQuote(target));
    if (made.status != 0) GTEST_SKIP() << "localedef cannot compile en_US: " << made.output;
    ::setenv("LOCPATH", locales.path().c_str(), 1);
    ::setenv("LC_ALL", "en_US.UTF-8", 1);
    UserLocale locale = ReadUserLocale();
    ::unsetenv("LC_ALL");
    UserLocale mixed = posix::UserLocaleOf("C", "en_US.UTF-8");
    ::unsetenv("LOCPATH");
    EXPECT_EQ(locale.decimalSeparator, '.');
    EXPECT_EQ(FormatShortDate(kMoment, locale.shortDatePattern), "03/07/2026");
    EXPECT_EQ(mixed.decimalSeparator, ',');
    EXPECT_EQ(FormatShortDate(kMoment, mixed.shortDatePattern), "03/07/2026");
}

}  // namespace
}  // namespace kv::platform
