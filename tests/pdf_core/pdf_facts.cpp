#include "pdf_facts.hpp"

#include <sstream>

#include "tests/support/test_support.hpp"

namespace folivo::test {

PdfFacts::PdfFacts(const std::filesystem::path& pdf) {
    const auto result = kv::test::Python(std::string(KV_SOURCE_DIR) + "/tests/pdf_core/probe.py " +
                                         kv::test::ShellQuote(pdf.string()));
    output_ = result.output;
    ok_ = result.status == 0;
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        const size_t space = line.find(' ');
        if (space != std::string::npos) facts_[line.substr(0, space)] = line.substr(space + 1);
    }
}

std::string PdfFacts::operator[](const std::string& key) const {
    const auto it = facts_.find(key);
    return it == facts_.end() ? "" : it->second;
}

std::string PdfFacts::Bytes(const std::string& key) const {
    const std::string hex = (*this)[key];
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

namespace {

double Attribute(const std::string& line, const std::string& name) {
    const size_t at = line.find(name + "=\"");
    return at == std::string::npos ? 0 : std::stod(line.substr(at + name.size() + 2));
}

}  // namespace

WordBox FirstWordBox(const std::filesystem::path& pdf) {
    const auto result = kv::test::Run("pdftotext -bbox -f 1 -l 1 " + kv::test::ShellQuote(pdf.string()) + " -");
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<word ") == std::string::npos) continue;
        WordBox box;
        box.xMin = Attribute(line, "xMin");
        box.yMin = Attribute(line, "yMin");
        box.xMax = Attribute(line, "xMax");
        box.yMax = Attribute(line, "yMax");
        const size_t open = line.find('>');
        box.word = line.substr(open + 1, line.find("</word>") - open - 1);
        return box;
    }
    return {};
}

bool FakeHost::ShowRetryMessage(const std::string& title, const std::string& text) {
    ++messages;
    lastTitle = title;
    lastText = text;
    if (retriesToGrant <= 0) return false;
    --retriesToGrant;
    return true;
}

}  // namespace folivo::test
