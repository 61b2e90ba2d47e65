#pragma once
// Shared by the image tests: sample pictures made with ImageMagick, one-page documents that draw
// them, and their image dictionaries read back through pikepdf (tests/pdf_image/image_probe.py).

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/folivo.hpp"
#include "tests/pdf_support/readback.hpp"
#include "tests/support/test_support.hpp"

namespace folivo::test {

// ImageMagick drawing arguments for a 20 x 20 picture: top-left quarter green, top-right quarter
// blue, bottom half red, so a flipped or mirrored picture shows.
inline const std::string kQuarters =
    "-size 20x20 xc:red -fill blue -draw 'rectangle 0,0 19,9' -fill lime -draw 'rectangle 0,0 9,9'";

// Where those three parts land when the picture is drawn at (100, 100) with size 40 x 40 points.
inline const std::vector<std::pair<std::string, Rgb>> kQuarterPoints = {
    {"110,110", {0, 255, 0}}, {"130,110", {0, 0, 255}}, {"110,130", {255, 0, 0}}, {"130,130", {255, 0, 0}}};

// Runs `convert ARGS CODER:DIR/NAME` (CODER such as "BMP3", or empty) and returns the file's path.
inline std::filesystem::path MakeSample(const kv::test::TempDir& dir, const std::string& args, const std::string& name,
                                        const std::string& coder = "") {
    const auto path = dir / name;
    const std::string target = coder.empty() ? path.string() : coder + ":" + path.string();
    const auto run = kv::test::Run("convert " + args + " " + kv::test::ShellQuote(target));
    EXPECT_EQ(run.status, 0) << run.output;
    return path;
}

// Writes a one-page document (points, A4) whose page is drawn by `draw`; returns the writer's
// recorded error number.
inline int32_t WritePage(const std::filesystem::path& pdf, const std::function<void(Folivo&)>& draw) {
    Folivo doc;
    doc.BeginDoc(pdf.string());
    doc.BeginPage();
    draw(doc);
    const int32_t error = doc.ErrNumber();
    doc.EndDoc();
    return error;
}

// The image dictionaries of page 1, one line each (see image_probe.py), and the "do N" line.
inline std::vector<std::string> ImageInfo(const std::filesystem::path& pdf) {
    const auto run = kv::test::Python(KV_SOURCE_DIR "/tests/pdf_image/image_probe.py info " +
                                      kv::test::ShellQuote(pdf.string()));
    EXPECT_EQ(run.status, 0) << run.output;
    std::vector<std::string> lines;
    std::istringstream in(run.output);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Checks the colours at the given points within a tolerance (JPEG is lossy).
inline void ExpectColors(const std::filesystem::path& pdf, const std::vector<std::pair<std::string, Rgb>>& expected,
                         int tolerance) {
    const Rendered page(pdf);
    for (const auto& [point, want] : expected) {
        const size_t comma = point.find(',');
        const Rgb got = page.At(std::stoi(point.substr(0, comma)), std::stoi(point.substr(comma + 1)));
        EXPECT_TRUE(Near(got, want, tolerance)) << "at " << point << ": " << Show(got);
    }
}

}  // namespace folivo::test
