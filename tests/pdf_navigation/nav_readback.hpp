#pragma once
// Reads the interactive parts of our files back through nav_probe.py (pikepdf).

#include <string>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {

inline std::string NavProbe(const std::string& command, const std::filesystem::path& pdf) {
    const auto run = kv::test::Python(kv::test::ShellQuote(std::string(KV_SOURCE_DIR) + "/tests/pdf_navigation/nav_probe.py") +
                                      " " + command + " " + kv::test::ShellQuote(pdf.string()));
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

inline std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

}  // namespace folivo::test
