#pragma once
// Reading graphics back: the drawing a page's content holds and the transparency states and
// patterns (graphics_probe.py, pikepdf).

#include <gtest/gtest.h>

#include <filesystem>
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

}  // namespace folivo::test
