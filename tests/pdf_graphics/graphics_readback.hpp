#pragma once
// Reading graphics back: the drawing a page's content holds, the transparency states and patterns
// (graphics_probe.py, pikepdf), and the first page rendered by poppler's pdftoppm at 72 dpi, so one
// pixel is one point and pixel (x, y) is the user point (x, y) of a page without margins at scale 1.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <string>

#include "tests/pdf_support/readback.hpp"
#include "tests/support/test_support.hpp"

namespace folivo::test {

// The content a page's drawing added: after the flip matrix and the black colours of BeginPage.
inline std::string Drawn(const std::string& content) {
    const std::string opening = "0 0 0 rg\r0 0 0 RG\r";
    const size_t at = content.find(opening);
    return at == std::string::npos ? content : content.substr(at + opening.size());
}

// graphics_probe.py's facts: version, transparency states, colour spaces and patterns.
inline std::string GraphicsFacts(const std::filesystem::path& pdf) {
    const auto run = kv::test::Python(kv::test::ShellQuote(std::string(KV_SOURCE_DIR) +
                                                           "/tests/pdf_graphics/graphics_probe.py") +
                                      " " + kv::test::ShellQuote(pdf.string()));
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

using Rgb = std::array<int, 3>;

class Rendered {
public:
    explicit Rendered(const std::filesystem::path& pdf) {
        const auto prefix = pdf.parent_path() / "render";
        const auto run = kv::test::Run("pdftoppm -r 72 -f 1 -l 1 -singlefile " + kv::test::ShellQuote(pdf.string()) +
                                       " " + kv::test::ShellQuote(prefix.string()));
        EXPECT_EQ(run.status, 0) << run.output;
        const std::string ppm = kv::test::ReadFile(prefix.string() + ".ppm");
        std::istringstream in(ppm);
        std::string magic;
        int maxValue = 0;
        in >> magic >> width_ >> height_ >> maxValue;
        in.get();
        EXPECT_EQ(magic, "P6");
        pixels_ = ppm.substr(static_cast<size_t>(in.tellg()));
    }

    Rgb At(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 3;
        if (i + 2 >= pixels_.size()) return {-1, -1, -1};
        return {static_cast<unsigned char>(pixels_[i]), static_cast<unsigned char>(pixels_[i + 1]),
                static_cast<unsigned char>(pixels_[i + 2])};
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::string pixels_;
};

// True when every component is within `tolerance` of the expected one.
inline bool Near(const Rgb& got, const Rgb& want, int tolerance = 3) {
    for (size_t i = 0; i < 3; ++i) {
        if (std::abs(got[i] - want[i]) > tolerance) return false;
    }
    return true;
}

inline std::string Show(const Rgb& c) {
    return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]);
}

}  // namespace folivo::test
