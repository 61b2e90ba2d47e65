#pragma once
// The texts of a PDF's pages as pikepdf reads them (pdf_texts.py run by Debian's python3): page,
// position in centimetres from the top-left corner, font, size and text.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_support.hpp"

namespace kv::e2e {

namespace fs = std::filesystem;

struct PdfText {
    int page = 0;
    double x = 0, y = 0;  // centimetres from the top-left corner
    std::string font;
    double size = 0;
    std::string text;  // UTF-8
};

inline std::vector<PdfText> ReadTexts(const fs::path& pdf) {
    const test::CommandResult result = test::Python(test::ShellQuote((fs::path(KV_SOURCE_DIR) / "tests" / "support" / "pdf_texts.py").string()) + " " + test::ShellQuote(pdf.string()));
    EXPECT_EQ(result.status, 0) << result.output;
    std::vector<PdfText> texts;
    std::istringstream lines(result.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        PdfText text;
        fields >> text.page >> text.x >> text.y >> text.font >> text.size;
        fields.get();  // the tab before the text, which keeps its own blanks
        std::getline(fields, text.text);
        texts.push_back(text);
    }
    return texts;
}

inline std::vector<PdfText> OnPage(const std::vector<PdfText>& texts, int page) {
    std::vector<PdfText> result;
    for (const PdfText& text : texts) {
        if (text.page == page) result.push_back(text);
    }
    return result;
}

inline PdfText Find(const std::vector<PdfText>& texts, const std::string& prefix) {
    for (const PdfText& text : texts) {
        if (text.text.rfind(prefix, 0) == 0) return text;
    }
    ADD_FAILURE() << "no text starts with \"" << prefix << "\"";
    return PdfText{};
}

inline int PageCount(const std::vector<PdfText>& texts) { return texts.empty() ? 0 : texts.back().page; }

}  // namespace kv::e2e
