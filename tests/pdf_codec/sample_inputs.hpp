#pragma once
// Inputs every encoder is tried on: edge sizes, incompressible, repetitive, real text, content
// streams of report pages and one large input.

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tests/support/test_support.hpp"

namespace kv::test {

struct SampleInput {
    std::string name;
    std::vector<uint8_t> bytes;
};

inline std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(count);
    for (auto& b : bytes) b = static_cast<uint8_t>(rng());
    return bytes;
}

// Content streams of report-like pages, at least `minimumSize` bytes.
inline std::vector<uint8_t> ReportContentStream(size_t minimumSize) {
    static const char* const kNames[] = {"ROSSI MARIO", "BIANCHI ANNA", "VERDI GIUSEPPE", "ESPOSITO LUCA"};
    std::string s;
    for (int i = 0; s.size() < minimumSize; ++i) {
        const int row = i % 60;
        s += "BT /F1 9 Tf 1 0 0 1 " + std::to_string(28 + (i % 3) * 140) + "." + std::to_string(i % 10) + " " +
             std::to_string(800 - row * 13) + ".346 Tm (" + kNames[i % 4] + " fattura n. " +
             std::to_string(i * 37 % 1000) + " del 1" + std::to_string(i % 10) + "/0" +
             std::to_string(1 + i % 9) + "/2026 imponibile " + std::to_string(i * 7919 % 99999) +
             ",00 ritenuta \\(20%\\)) Tj ET\r";
        if (row == 59) s += "0.5 w 28.346 40 m 566.929 40 l S\r";
    }
    return {s.begin(), s.end()};
}

// The sources of this suite, a few tens of kilobytes.
inline std::vector<uint8_t> RepositoryText() {
    std::string text;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(KV_SOURCE_DIR) / "tests/pdf_codec"))
        if (entry.path().extension() == ".cpp" || entry.path().extension() == ".hpp") text += ReadFile(entry.path());
    return {text.begin(), text.end()};
}

inline std::vector<SampleInput> SampleInputs() {
    std::vector<SampleInput> inputs;
    inputs.push_back({"empty", {}});
    inputs.push_back({"one byte", {0x41}});
    inputs.push_back({"two equal bytes", {0x80, 0x80}});
    inputs.push_back({"random 300", RandomBytes(300, 1)});
    inputs.push_back({"random 200k", RandomBytes(200000, 2)});
    inputs.push_back({"zeros 100k", std::vector<uint8_t>(100000, 0)});
    std::vector<uint8_t> pattern;
    for (int i = 0; i < 70000; ++i) pattern.push_back(static_cast<uint8_t>("abcab"[i % 5]));
    inputs.push_back({"short pattern", pattern});
    std::vector<uint8_t> runs;  // runs of every length 1..300 of alternating bytes
    for (int len = 1; len <= 300; ++len) runs.insert(runs.end(), static_cast<size_t>(len), static_cast<uint8_t>(len % 2 ? 0xFF : 0x00));
    inputs.push_back({"runs of every length", runs});
    inputs.push_back({"source text", RepositoryText()});
    inputs.push_back({"report content", ReportContentStream(300000)});
    return inputs;
}

}  // namespace kv::test
