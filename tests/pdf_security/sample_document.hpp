#pragma once
// Writes small report-like documents through Folivo with a fixed clock, for the tests that read
// them back with outside tools.

#include <filesystem>
#include <functional>
#include <string>

#include "pdf/folivo.hpp"
#include "pdf/host.hpp"

namespace kv::test {

class FixedHost : public folivo::Host {
public:
    bool ShowRetryMessage(const std::string&, const std::string&) override { return false; }
    void ShellOpen(const std::string&) override {}
    folivo::LocalTime Now() override { return {2026, 12, 6, 9, 30, 0}; }
    double Random() override { return 0.5; }
};

inline constexpr const char* kSampleTitle = "Elenco Documenti (2026)";
inline constexpr const char* kSampleAuthor = "Studio Bianchi";
inline constexpr const char* kSampleLine = "ROSSI MARIO fattura 123 imponibile 1500,00";

// A two-page document with the sample title, author and text; `setup` runs after BeginDoc and
// SetDocProperty, before the first page (where SetCompression and SetProtection go).
inline void WriteSampleDocument(const std::filesystem::path& file, const std::function<void(folivo::Folivo&)>& setup) {
    FixedHost host;
    folivo::Folivo pdf(host);
    pdf.BeginDoc(file.string());
    pdf.SetDocProperty(kSampleTitle, "Compensi \xE0 terzi", kSampleAuthor);
    setup(pdf);
    for (int page = 1; page <= 2; ++page) {
        pdf.BeginPage();
        pdf.SetFont("Courier", 10);
        for (int line = 0; line < 40; ++line)
            pdf.DrawText(20, 20 + 12.0f * static_cast<float>(line),
                         std::string(kSampleLine) + " riga " + std::to_string(page * 100 + line));
        pdf.EndPage();
    }
    pdf.EndDoc();
}

}  // namespace kv::test
