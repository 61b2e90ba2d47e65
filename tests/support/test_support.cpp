#include "tests/support/test_support.hpp"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

namespace kv::test {

namespace fs = std::filesystem;

TempDir::TempDir(const std::string& label) {
    static std::atomic<int> counter{0};
    path_ = fs::path(KV_BINARY_DIR) / "test-tmp" /
            (label + "-" + std::to_string(ProcessNumber()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    if (std::getenv("KV_KEEP_TEST_FILES") == nullptr) fs::remove_all(path_, ignored);
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CommandResult QpdfCheck(const fs::path& pdf, const std::string& password) {
    std::string cmd = "qpdf --check";
    if (!password.empty()) cmd += " --password=" + ShellQuote(password);
    CommandResult r = Run(cmd + " " + ShellQuote(pdf.string()));
    // qpdf exits 3 on warnings; treat a warning as a failure too.
    if (r.status == 0 && r.output.find("WARNING") != std::string::npos) r.status = 3;
    return r;
}

std::string PdfToText(const fs::path& pdf, bool layout, const std::string& password) {
    std::string cmd = "pdftotext -enc Latin1";
    if (layout) cmd += " -layout";
    if (!password.empty()) cmd += " -upw " + ShellQuote(password);
    CommandResult r = Run(cmd + " " + ShellQuote(pdf.string()) + " -");
    if (r.status != 0) throw std::runtime_error("pdftotext failed on " + pdf.string() + ": " + r.output);
    return r.output;
}

std::vector<WordBox> WordBoxes(const fs::path& pdf, int first, int last) {
    const CommandResult run = Run("pdftotext -enc UTF-8 -bbox -f " + std::to_string(first) + " -l " +
                                  std::to_string(last) + " " + ShellQuote(pdf.string()) + " -");
    EXPECT_EQ(run.status, 0) << run.output;
    static const std::regex word(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<WordBox> boxes;
    int page = first - 1;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos) ++page;
        std::smatch m;
        if (std::regex_search(line, m, word))
            boxes.push_back({m[5], std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), page});
    }
    return boxes;
}

WordBox FindWord(const std::vector<WordBox>& boxes, const std::string& word) {
    for (const WordBox& box : boxes) {
        if (box.word == word) return box;
    }
    ADD_FAILURE() << "word not found: " << word;
    return {word};
}

int PageCount(const fs::path& pdf) {
    const CommandResult result = Run("pdfinfo " + ShellQuote(pdf.string()));
    std::smatch match;
    static const std::regex pages(R"(Pages:\s+([0-9]+))");
    return std::regex_search(result.output, match, pages) ? std::stoi(match[1]) : -1;
}

CommandResult Python(const std::string& scriptAndArgs) {
    return Run("/usr/bin/python3 " + scriptAndArgs);
}

std::vector<fs::path> FilesUnder(const fs::path& folder, const std::string& ending) {
    std::vector<fs::path> files;
    std::error_code missing;
    for (const auto& entry : fs::recursive_directory_iterator(folder, missing))
        if (entry.is_regular_file() && entry.path().string().ends_with(ending)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace kv::test
