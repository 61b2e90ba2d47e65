#include "tests/platform_qt/printed_words.hpp"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "tests/support/test_support.hpp"

namespace kv::test {

std::vector<PrintedWord> PrintedWords(const std::filesystem::path& pdf) {
    CommandResult result = Run("pdftotext -bbox " + ShellQuote(pdf.string()) + " -");
    EXPECT_EQ(result.status, 0) << result.output;
    static const std::regex kWord(
        R"re(<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)">([^<]*)</word>)re");
    std::vector<PrintedWord> words;
    int page = 0;
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos) ++page;
        std::smatch match;
        if (!std::regex_search(line, match, kWord)) continue;
        words.push_back({page, std::stod(match[1]), std::stod(match[2]), std::stod(match[3]),
                         std::stod(match[4]), match[5]});
    }
    return words;
}

PrintedWord FindWord(const std::vector<PrintedWord>& words, const std::string& text) {
    for (const PrintedWord& word : words) {
        if (word.text == text) return word;
    }
    ADD_FAILURE() << "no printed word " << text;
    return {};
}

int PageCount(const std::filesystem::path& pdf) {
    CommandResult result = Run("pdfinfo " + ShellQuote(pdf.string()));
    std::smatch match;
    static const std::regex kPages(R"(Pages:\s+([0-9]+))");
    if (!std::regex_search(result.output, match, kPages)) return -1;
    return std::stoi(match[1]);
}

std::string FontList(const std::filesystem::path& pdf) {
    return Run("pdffonts " + ShellQuote(pdf.string())).output;
}

}  // namespace kv::test
