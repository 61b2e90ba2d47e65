#pragma once
// A minimal one-page PDF written by hand that carries test streams, so outside decoders (qpdf,
// pikepdf) can judge encoded bytes before and apart from the writer.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/pdf_support/readback.hpp"

namespace kv::test {

struct CarriedStream {
    std::string filters;  // e.g. "/LZWDecode"; empty for none
    std::vector<uint8_t> data;
};

// Writes the file; stream i becomes object 4 + i, listed in the catalog under /KVStreams.
inline void WriteStreamPdf(const std::filesystem::path& file, const std::vector<CarriedStream>& streams) {
    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<size_t> offsets;
    auto object = [&](const std::string& body) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    std::string kids;
    for (size_t i = 0; i < streams.size(); ++i) kids += std::to_string(4 + i) + " 0 R ";
    object("<< /Type /Catalog /Pages 2 0 R /KVStreams [" + kids + "] >>");
    object("<< /Type /Pages /Count 1 /Kids [3 0 R] >>");
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Resources << >> >>");
    for (const auto& s : streams) {
        std::string dict = "<< /Length " + std::to_string(s.data.size());
        if (!s.filters.empty()) dict += " /Filter [" + s.filters + "]";
        object(dict + " >>\nstream\n" + std::string(s.data.begin(), s.data.end()) + "\nendstream");
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t off : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", off);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    WriteFile(file, pdf);
}

// The decoded bytes of objects 4.. as pikepdf reads them (one file per stream in `dir`).
inline std::vector<std::vector<uint8_t>> DecodeWithPikepdf(const std::filesystem::path& pdf, size_t count,
                                                    const std::filesystem::path& dir) {
    std::string args = ShellQuote(dir.string());
    for (size_t i = 0; i < count; ++i) args += " " + std::to_string(4 + i);
    folivo::test::Probe("streams", pdf, args);
    std::vector<std::vector<uint8_t>> decoded;
    for (size_t i = 0; i < count; ++i) {
        const std::string bytes = ReadFile(dir / (std::to_string(4 + i) + ".bin"));
        decoded.emplace_back(bytes.begin(), bytes.end());
    }
    return decoded;
}

}  // namespace kv::test
