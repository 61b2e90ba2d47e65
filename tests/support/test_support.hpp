#pragma once
// Helpers shared by the test suites: scratch folders and the outside tools that judge our files.

#include <filesystem>
#include <string>
#include <vector>

namespace kv::test {

// A fresh folder under the build tree, removed when the object goes out of scope.
class TempDir {
public:
    explicit TempDir(const std::string& label = "tmp");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// This process's number, which keeps the scratch folders of suites run at once apart.
int ProcessNumber();

struct CommandResult {
    int status = -1;     // exit status, or -1 when the command could not run
    std::string output;  // standard output and standard error together
};

// Runs a shell command and captures what it prints.
CommandResult Run(const std::string& command);

// Quotes a text for the shell.
std::string ShellQuote(const std::string& text);

// `qpdf --check` on a file: success only when qpdf reports no error and no warning.
CommandResult QpdfCheck(const std::filesystem::path& pdf, const std::string& password = "");

// Text of a PDF as poppler's pdftotext reads it (with -layout when asked).
std::string PdfToText(const std::filesystem::path& pdf, bool layout = false,
                      const std::string& password = "");

struct WordBox {
    std::string word;  // UTF-8
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // points, Y downwards from the top of the page
    int page = 1;
};

// The words of pages `first` to `last` with their boxes, in reading order, as pdftotext -bbox places them.
std::vector<WordBox> WordBoxes(const std::filesystem::path& pdf, int first = 1, int last = 1);

// The first box of a word; fails the test when there is none.
WordBox FindWord(const std::vector<WordBox>& boxes, const std::string& word);

// The page count pdfinfo reads; -1 when it reads none.
int PageCount(const std::filesystem::path& pdf);

// Runs Debian's python3 (which has pikepdf) on a script with arguments.
CommandResult Python(const std::string& scriptAndArgs);

// The files under `folder` and its sub-folders whose names end with `ending`, sorted; none when the
// folder does not exist.
std::vector<std::filesystem::path> FilesUnder(const std::filesystem::path& folder, const std::string& ending = "");

// Reads a whole file as bytes.
std::string ReadFile(const std::filesystem::path& file);

// Writes bytes to a file, replacing it.
void WriteFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace kv::test

// Fails the current test unless qpdf --check passes on the file without a warning.
#define EXPECT_QPDF_CLEAN(pdf)                                                   \
    do {                                                                         \
        auto kv_check_ = ::kv::test::QpdfCheck(pdf);                             \
        EXPECT_EQ(kv_check_.status, 0) << "qpdf --check " << (pdf) << ":\n"     \
                                       << kv_check_.output;                      \
    } while (0)
