#pragma once
// Shared by the image tests: sample pictures made with ImageMagick, one-page documents that draw
// them, and their image dictionaries read back through pikepdf.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/folivo.hpp"
#include "tests/pdf_support/readback.hpp"
#include "tests/support/test_support.hpp"

namespace folivo::test {

// Little-endian fields of hand-made picture files.
inline std::string U16(uint32_t v) { return {static_cast<char>(v & 255), static_cast<char>(v >> 8 & 255)}; }
inline std::string U32(uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }

// ImageMagick drawing arguments for a 20 x 20 picture: top-left quarter green, top-right quarter
// blue, bottom half red, so a flipped or mirrored picture shows.
inline const std::string kQuarters =
    "-size 20x20 xc:red -fill blue -draw 'rectangle 0,0 19,9' -fill lime -draw 'rectangle 0,0 9,9'";

// Where those three parts land when the picture is drawn at (100, 100) with size 40 x 40 points.
inline const std::vector<ColorAt> kQuarterPoints = {
    {110, 110, {0, 255, 0}}, {130, 110, {0, 0, 255}}, {110, 130, {255, 0, 0}}, {130, 130, {255, 0, 0}}};

// Runs `convert ARGS CODER:DIR/NAME` (CODER such as "BMP3", or empty) and returns the file's path.
inline std::filesystem::path MakeSample(const kv::test::TempDir& dir, const std::string& args, const std::string& name,
                                        const std::string& coder = "") {
    const auto path = dir / name;
    const std::string target = coder.empty() ? path.string() : coder + ":" + path.string();
    const auto run = kv::test::Run("convert " + args + " " + kv::test::ShellQuote(target));
    EXPECT_EQ(run.status, 0) << run.output;
    return path;
}

// Writes DIR/page.pdf, one page (points, A4) drawn by `draw`, checks it with qpdf and returns its
// path. The writer's recorded error after drawing must be `error` (-1: not checked).
inline std::filesystem::path WritePage(const kv::test::TempDir& dir, const std::function<void(Folivo&)>& draw,
                                       int32_t error = 0) {
    const auto pdf = dir / "page.pdf";
    Folivo doc;
    doc.BeginDoc(pdf.string());
    doc.BeginPage();
    draw(doc);
    if (error >= 0) { EXPECT_EQ(doc.ErrNumber(), error) << doc.ErrDescription(); }
    doc.EndDoc();
    EXPECT_QPDF_CLEAN(pdf);
    return pdf;
}

// The image dictionaries of page 1, "name << .. >>" a line as pikepdf reads them, then "do N" (the
// Do operators of the page content).
inline std::vector<std::string> ImageInfo(const std::filesystem::path& pdf) {
    const Readback rb(pdf);
    std::vector<std::string> lines;
    for (const auto& [name, number] : rb.Resources("/_IMG_")) {
        // A palette stream is shown by its size: "[ /Indexed /DeviceRGB 15 palette:48 ]".
        static const std::regex palette(R"((/Indexed /DeviceRGB \d+ )(\d+) 0 R)");
        std::string dict = rb.Object(number);
        std::smatch m;
        if (std::regex_search(dict, m, palette)) {
            dict = m.prefix().str() + m[1].str() + "palette:" + std::to_string(rb.Stream(std::stoi(m[2])).size()) +
                   m.suffix().str();
        }
        lines.push_back(name + " " + dict);
    }
    lines.push_back("do " + std::to_string(Occurrences(rb.Content(1), " Do")));
    return lines;
}

}  // namespace folivo::test
