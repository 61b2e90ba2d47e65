// The file port on real files: case-insensitive names, error numbers, positioned and line access
// (sharing with another process is tested through the archive files).
#include <gtest/gtest.h>

#include <functional>

#include "platform/files.hpp"
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

}  // namespace
}  // namespace kv::platform
