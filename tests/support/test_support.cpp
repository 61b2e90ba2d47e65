#include "tests/support/test_support.hpp"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

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

CommandResult Python(const std::string& scriptAndArgs) {
    return Run("/usr/bin/python3 " + scriptAndArgs);
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
