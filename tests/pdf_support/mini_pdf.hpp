#pragma once
// Builds small PDF files by hand, apart from the writer (import sources, encoded test streams): numbered object bodies, a correct
// cross-reference table and a trailer, with hooks to damage them.

#include <cstdio>
#include <string>
#include <vector>

namespace folivo::test {

struct MiniPdf {
    std::vector<std::string> bodies;  // object i + 1, without "n 0 obj" / "endobj"
    std::string trailerExtra;         // more trailer entries, e.g. "/Info 5 0 R"

    // Objects with their xref; `startxrefOverride` >= 0 replaces the real offset.
    std::string Build(long startxrefOverride = -1) const {
        std::string file = "%PDF-1.4\n";
        std::vector<size_t> offsets;
        for (size_t i = 0; i < bodies.size(); ++i) {
            offsets.push_back(file.size());
            file += std::to_string(i + 1) + " 0 obj\n" + bodies[i] + "\nendobj\n";
        }
        const size_t xref = file.size();
        file += "xref\n0 " + std::to_string(bodies.size() + 1) + "\n0000000000 65535 f \n";
        for (size_t offset : offsets) {
            char line[32];
            std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
            file += line;
        }
        file += "trailer\n<< /Size " + std::to_string(bodies.size() + 1) + " /Root 1 0 R " + trailerExtra + " >>\n";
        file += "startxref\n" + std::to_string(startxrefOverride >= 0 ? static_cast<size_t>(startxrefOverride) : xref) +
                "\n%%EOF\n";
        return file;
    }
};

// A stream object's body: its dictionary entries besides /Length, then the data.
inline std::string StreamBody(const std::string& data, const std::string& entries = "") {
    return "<< /Length " + std::to_string(data.size()) + " " + entries + " >>\nstream\n" + data + "\nendstream";
}

// A catalog, a page tree and pages drawing the given texts with Helvetica; the page tree
// carries the media box the pages inherit.
inline MiniPdf TextPages(const std::vector<std::string>& texts, const std::string& mediaBox = "[0 0 400 300]") {
    MiniPdf pdf;
    std::string kids;
    for (size_t i = 0; i < texts.size(); ++i) kids += std::to_string(4 + 2 * i) + " 0 R ";
    pdf.bodies.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    pdf.bodies.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(texts.size()) +
                         " /MediaBox " + mediaBox + " >>");
    pdf.bodies.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string content = "BT /F1 24 Tf 50 150 Td (" + texts[i] + ") Tj ET";
        pdf.bodies.push_back("<< /Type /Page /Parent 2 0 R /Resources << /Font << /F1 3 0 R >> >> /Contents " +
                             std::to_string(5 + 2 * i) + " 0 R >>");
        pdf.bodies.push_back(StreamBody(content));
    }
    return pdf;
}

}  // namespace folivo::test
