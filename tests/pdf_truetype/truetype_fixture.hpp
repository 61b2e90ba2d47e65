#pragma once
// Shared by the TrueType tests: the installed fonts, and what fontTools, pikepdf and pdffonts read from
// a font file or a written document, as "key value" entries.

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

using FontEntries = std::map<std::string, std::string>;
using NamedEntries = std::map<std::string, FontEntries>;  // by base font name

// Runs truetype_probe.py and reads its lines: a base font name, then key value pairs.
inline NamedEntries Probe(const std::string& args) {
    const auto run = kv::test::Python(
        kv::test::ShellQuote(std::string(KV_SOURCE_DIR) + "/tests/pdf_truetype/truetype_probe.py") + " " + args);
    EXPECT_EQ(run.status, 0) << run.output;
    NamedEntries fonts;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string base, key, value;
        words >> base;
        while (words >> key >> value) fonts[base][key] = value;
    }
    return fonts;
}

// The base font name and entries the font's own tables call for, widths by a Python codec's characters.
inline NamedEntries ReferenceEntries(const std::string& ttf, const std::string& codec = "cp1252") {
    return Probe("metrics " + kv::test::ShellQuote(ttf) + " " + codec);
}

// The TrueType fonts of a document; embedded files are written to `folder`/<base font name>.ttf.
inline NamedEntries TrueTypeFonts(const std::filesystem::path& pdf, const std::filesystem::path& folder) {
    return Probe("fonts " + kv::test::ShellQuote(pdf.string()) + " " + kv::test::ShellQuote(folder.string()));
}

// A font as pdffonts lists it: its type and its "emb", "sub" and "uni" columns.
struct ListedFont {
    std::string type;
    std::string embedded;
    std::string subset;
    std::string unicode;
};

// The fonts pdffonts lists, by name.
inline std::map<std::string, ListedFont> PdfFontsListing(const std::filesystem::path& pdf) {
    std::istringstream lines(kv::test::Run("pdffonts " + kv::test::ShellQuote(pdf.string())).output);
    std::map<std::string, ListedFont> fonts;
    std::string line;
    for (int header = 0; header < 2 && std::getline(lines, line); ++header) {
    }
    while (std::getline(lines, line)) {
        std::istringstream columns(line);
        std::string name, type, encoding, embedded, subset, unicode;
        columns >> name >> type >> encoding >> embedded >> subset >> unicode;
        fonts[name] = {type, embedded, subset, unicode};
    }
    return fonts;
}

}  // namespace folivo::test
