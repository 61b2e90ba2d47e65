#include "tests/pdf_text/pdf_readback.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "tests/support/test_support.hpp"

namespace kv::test::pdftext {
namespace {

std::string Probe(const std::string& args) {
    const auto run = Python(ShellQuote(std::string(KV_SOURCE_DIR) + "/tests/pdf_text/pdf_probe.py") +
                            " " + args);
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

std::string Unescape(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities) {
        for (size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, std::string(entity).size(), plain);
        }
    }
    return text;
}

}  // namespace

std::vector<WordBox> WordBoxes(const std::filesystem::path& pdf) {
    const auto run = Run("pdftotext -enc UTF-8 -bbox -f 1 -l 1 " + ShellQuote(pdf.string()) + " -");
    EXPECT_EQ(run.status, 0) << run.output;
    static const std::regex word(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<WordBox> boxes;
    for (auto it = std::sregex_iterator(run.output.begin(), run.output.end(), word);
         it != std::sregex_iterator(); ++it) {
        const auto& m = *it;
        boxes.push_back({Unescape(m[5]), std::stod(m[1]), std::stod(m[2]), std::stod(m[3]),
                         std::stod(m[4])});
    }
    return boxes;
}

WordBox FindWord(const std::vector<WordBox>& boxes, const std::string& word) {
    for (const auto& box : boxes) {
        if (box.word == word) return box;
    }
    ADD_FAILURE() << "word not found: " << word;
    return {word, 0, 0, 0, 0};
}

std::string Utf8Text(const std::filesystem::path& pdf) {
    const auto run = Run("pdftotext -enc UTF-8 " + ShellQuote(pdf.string()) + " -");
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

std::string FontSummary(const std::filesystem::path& pdf) {
    return Probe("fonts " + ShellQuote(pdf.string()));
}

std::string PageContent(const std::filesystem::path& pdf, int page) {
    return Probe("content " + ShellQuote(pdf.string()) + " " + std::to_string(page));
}

}  // namespace kv::test::pdftext
