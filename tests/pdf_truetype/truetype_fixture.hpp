#pragma once
// Shared by the TrueType tests: the installed fonts, and what fontTools and pikepdf read from a font
// file or a written document, as "key value" entries, and the page as poppler renders it.

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

// The first page rendered by poppler at 150 dpi in grey, as PGM bytes.
inline std::string RenderGrey(const std::filesystem::path& pdf) {
    const auto image = pdf.parent_path() / "page";
    kv::test::Run("pdftoppm -r 150 -gray -singlefile " + kv::test::ShellQuote(pdf.string()) + " " + kv::test::ShellQuote(image.string()));
    return kv::test::ReadFile(image.string() + ".pgm");
}

}  // namespace folivo::test
