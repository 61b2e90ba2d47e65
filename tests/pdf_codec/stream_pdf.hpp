#pragma once
// A minimal one-page PDF written by hand that carries test streams, so outside decoders (qpdf,
// pikepdf) can judge encoded bytes before and apart from the writer.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/pdf_support/mini_pdf.hpp"
#include "tests/pdf_support/readback.hpp"

namespace kv::test {

struct CarriedStream {
    std::string filters;  // e.g. "/LZWDecode"; empty for none
    std::vector<uint8_t> data;
};

// Writes the file; stream i becomes object 4 + i, listed in the catalog under /KVStreams.
inline void WriteStreamPdf(const std::filesystem::path& file, const std::vector<CarriedStream>& streams) {
    folivo::test::MiniPdf pdf;
    std::string kids;
    for (size_t i = 0; i < streams.size(); ++i) kids += std::to_string(4 + i) + " 0 R ";
    pdf.bodies = {"<< /Type /Catalog /Pages 2 0 R /KVStreams [" + kids + "] >>",
                  "<< /Type /Pages /Count 1 /Kids [3 0 R] >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Resources << >> >>"};
    for (const auto& s : streams) {
        std::string dict = "<< /Length " + std::to_string(s.data.size());
        if (!s.filters.empty()) dict += " /Filter [" + s.filters + "]";
        pdf.bodies.push_back(dict + " >>\nstream\n" + std::string(s.data.begin(), s.data.end()) + "\nendstream");
    }
    WriteFile(file, pdf.Build());
}

// The decoded bytes of objects 4.. as pikepdf reads them.
inline std::vector<std::vector<uint8_t>> DecodeWithPikepdf(const std::filesystem::path& pdf, size_t count) {
    const folivo::test::Readback rb(pdf);
    std::vector<std::vector<uint8_t>> decoded;
    for (size_t i = 0; i < count; ++i) {
        const std::string& bytes = rb.Stream(static_cast<int>(4 + i));
        decoded.emplace_back(bytes.begin(), bytes.end());
    }
    return decoded;
}

}  // namespace kv::test
