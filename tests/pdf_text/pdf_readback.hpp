#pragma once
// Reading text tests' PDF files back with outside tools: word boxes from `pdftotext -bbox`,
// fonts and content streams through pikepdf.

#include <filesystem>
#include <string>
#include <vector>

namespace kv::test::pdftext {

struct WordBox {
    std::string word;  // UTF-8
    double xMin, yMin, xMax, yMax;  // points, Y downwards from the top of the page
};

// The words of the first page with their boxes, in reading order.
std::vector<WordBox> WordBoxes(const std::filesystem::path& pdf);

// The first word box whose text equals `word`; fails the test when there is none.
WordBox FindWord(const std::vector<WordBox>& boxes, const std::string& word);

// pdftotext output in UTF-8.
std::string Utf8Text(const std::filesystem::path& pdf);

// One line per font object: name|Subtype|BaseFont|BaseEncoding (or "-"), then
// "resources:" and the font names of the first page's resources.
std::string FontSummary(const std::filesystem::path& pdf);

// The decoded content stream of a 1-based page.
std::string PageContent(const std::filesystem::path& pdf, int page = 1);

}  // namespace kv::test::pdftext
