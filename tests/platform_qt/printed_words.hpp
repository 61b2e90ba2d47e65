#pragma once
// What poppler reads back from a printed PDF: the words with their boxes (pdftotext -bbox), the page
// count (pdfinfo) and the fonts (pdffonts).

#include <filesystem>
#include <string>
#include <vector>

namespace kv::test {

struct PrintedWord {
    int page = 0;  // 1-based
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // points from the page's top-left corner
    std::string text;
};

std::vector<PrintedWord> PrintedWords(const std::filesystem::path& pdf);

// The first word equal to `text`; fails the test when there is none.
PrintedWord FindWord(const std::vector<PrintedWord>& words, const std::string& text);

int PageCount(const std::filesystem::path& pdf);

// pdffonts' listing of the file.
std::string FontList(const std::filesystem::path& pdf);

}  // namespace kv::test
