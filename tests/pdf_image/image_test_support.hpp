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

// The image dictionaries of page 1, "name << .. >>" a line as pikepdf reads them, then "do N" (the
// Do operators of the page content).
inline std::vector<std::string> ImageInfo(const std::filesystem::path& pdf) {
    const Readback rb(pdf);
    const std::string resources = rb.Object(Readback::Ref(rb.Page(1), "/Resources"));
    std::vector<std::string> lines;
    for (size_t at = resources.find("/_IMG_"); at != std::string::npos; at = resources.find("/_IMG_", at + 1)) {
        const std::string name = resources.substr(at, resources.find(' ', at) - at);
        // A palette stream is shown by its size: "[ /Indexed /DeviceRGB 15 palette:48 ]".
        static const std::regex palette(R"((/Indexed /DeviceRGB \d+ )(\d+) 0 R)");
        std::string dict = rb.Object(Readback::Ref(resources, name));
        std::smatch m;
        if (std::regex_search(dict, m, palette)) {
            dict = m.prefix().str() + m[1].str() + "palette:" + std::to_string(rb.Stream(std::stoi(m[2])).size()) +
                   m.suffix().str();
        }
        lines.push_back(name + " " + dict);
    }
    const std::string& content = rb.Content(1);
    int draws = 0;
    for (size_t at = content.find(" Do"); at != std::string::npos; at = content.find(" Do", at + 1)) ++draws;
    lines.push_back("do " + std::to_string(draws));
    return lines;
}

}  // namespace folivo::test
