#pragma once
// Reading back what our files hold, through outside tools only (pikepdf via probe.py).

#include <filesystem>
#include <map>
#include <string>

#include "pdf/host.hpp"

namespace folivo::test {

// The facts probe.py prints, by key; byte values are decoded from hex.
class PdfFacts {
public:
    explicit PdfFacts(const std::filesystem::path& pdf);
    // The value of a key, "" when absent.
    std::string operator[](const std::string& key) const;
    // Bytes of a hex-valued key (contents, info strings, metadata).
    std::string Bytes(const std::string& key) const;
    bool ok() const { return ok_; }
    const std::string& output() const { return output_; }

private:
    std::map<std::string, std::string> facts_;
    std::string output_;
    bool ok_ = false;
};

struct WordBox {
    std::string word;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // points, Y downwards from the page top
};

// The first word of the first page as poppler's pdftotext -bbox places it.
WordBox FirstWordBox(const std::filesystem::path& pdf);

// A host with a fixed clock and random source that records what it was asked to do.
class FakeHost : public Host {
public:
    int retriesToGrant = 0;  // how many retry messages are answered "retry"
    int messages = 0;
    std::string lastTitle;
    std::string lastText;
    std::string opened;
    LocalTime now{2026, 12, 6, 9, 5, 7};
    double random = 0.42;

    bool ShowRetryMessage(const std::string& title, const std::string& text) override;
    void ShellOpen(const std::string& path) override { opened = path; }
    LocalTime Now() override { return now; }
    double Random() override { return random; }
};

}  // namespace folivo::test
