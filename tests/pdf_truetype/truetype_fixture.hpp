#pragma once
// Shared by the TrueType tests: the fonts installed on the machine, and what fontTools and pikepdf
// read from a font file or from a written document.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/pdf_support/readback.hpp"
#include "tests/support/test_support.hpp"

namespace folivo::test {

inline const std::string kLiberation = "/usr/share/fonts/truetype/liberation/";
inline const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

inline std::string ProbeScript() {
    return kv::test::ShellQuote(std::string(KV_SOURCE_DIR) + "/tests/pdf_truetype/truetype_probe.py");
}

// The advance of each code 0..255 in thousandths, as fontTools reads the font.
inline std::vector<int> ReferenceWidths(const std::string& ttf) {
    const auto run = kv::test::Python(ProbeScript() + " widths " + kv::test::ShellQuote(ttf));
    EXPECT_EQ(run.status, 0) << run.output;
    std::istringstream in(run.output);
    std::vector<int> widths;
    for (int w = 0; in >> w;) widths.push_back(w);
    return widths;
}

// One TrueType font of a document: its dictionary and descriptor entries by key.
using FontEntries = std::map<std::string, std::string>;

// The TrueType fonts of a document by base font name; embedded files are written into `folder`.
inline std::map<std::string, FontEntries> TrueTypeFonts(const std::filesystem::path& pdf,
                                                        const std::filesystem::path& folder) {
    const auto run = kv::test::Python(ProbeScript() + " fonts " + kv::test::ShellQuote(pdf.string()) + " " +
                                      kv::test::ShellQuote(folder.string()));
    EXPECT_EQ(run.status, 0) << run.output;
    std::map<std::string, FontEntries> fonts;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string base, key, value;
        words >> base;
        while (words >> key >> value) fonts[base][key] = value;
    }
    return fonts;
}

// The base font name and entries a font's own tables call for, as fontTools reads them.
inline std::pair<std::string, FontEntries> ReferenceEntries(const std::string& ttf) {
    const auto run = kv::test::Python(ProbeScript() + " metrics " + kv::test::ShellQuote(ttf));
    EXPECT_EQ(run.status, 0) << run.output;
    std::istringstream line(run.output);
    std::string base, key, value;
    line >> base;
    FontEntries entries;
    while (line >> key >> value) entries[key] = value;
    return {base, entries};
}

// The comma-separated widths the probe prints.
inline std::string JoinWidths(const std::vector<int>& widths) {
    std::string text;
    for (int w : widths) text += (text.empty() ? "" : ",") + std::to_string(w);
    return text;
}

// `pdffonts` output of a document.
inline std::string PdfFonts(const std::filesystem::path& pdf) {
    return kv::test::Run("pdffonts " + kv::test::ShellQuote(pdf.string())).output;
}

// The pdffonts row of a font, empty when the document has none of that name.
inline std::string PdfFontsRow(const std::string& listing, const std::string& base) {
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(base + " ", 0) == 0) return line;
    }
    return "";
}

}  // namespace folivo::test
