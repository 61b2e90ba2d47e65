#pragma once
// Reads the byte layout of a finished file: the cross-reference table and the trailer, checked
// line by line (every entry 20 bytes, every offset at the first digit of its object line).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace folivo::test {

struct FileLayout {
    std::vector<std::string> problems;  // empty when the layout is sound
    int32_t size = 0;                   // /Size of the trailer
    std::string trailer;                // from "trailer" to "%%EOF"
    std::vector<int32_t> fileOrder;     // object numbers in the order they appear in the file
};

namespace detail {

// The number after "startxref", or npos.
inline size_t StartXref(const std::string& bytes) {
    const size_t at = bytes.rfind("startxref\n");
    if (at == std::string::npos) return std::string::npos;
    return std::stoul(bytes.substr(at + 10));
}

}  // namespace detail

inline FileLayout ReadLayout(const std::string& bytes) {
    FileLayout layout;
    const size_t xref = detail::StartXref(bytes);
    if (xref == std::string::npos || bytes.compare(xref, 7, "xref\n0 ") != 0) {
        layout.problems.push_back("startxref does not point at the xref keyword");
        return layout;
    }
    const size_t countEnd = bytes.find('\n', xref + 7);
    const int32_t count = std::stoi(bytes.substr(xref + 7, countEnd - xref - 7));
    size_t entry = countEnd + 1;
    if (bytes.compare(entry, 20, std::string("0000000000 65535 f\r\n")) != 0) {
        layout.problems.push_back("first entry is not the free-list head");
    }
    std::map<int64_t, int32_t> byOffset;
    for (int32_t i = 1; i < count; ++i) {
        entry += 20;
        const std::string line = bytes.substr(entry, 20);
        if (line.size() != 20 || line.compare(10, 10, " 00000 n\r\n") != 0) {
            layout.problems.push_back("entry " + std::to_string(i) + " is not 20 bytes: " + line);
            continue;
        }
        const int64_t offset = std::stoll(line.substr(0, 10));
        const std::string objLine = std::to_string(i) + " 0 obj\n";
        const bool atLineStart = offset == 0 || bytes[static_cast<size_t>(offset) - 1] == '\n';
        if (!atLineStart || bytes.compare(static_cast<size_t>(offset), objLine.size(), objLine) != 0) {
            layout.problems.push_back("offset of object " + std::to_string(i) + " misses its object line");
        }
        byOffset[offset] = i;
    }
    if (bytes.compare(entry + 20, 8, "trailer\n") != 0) layout.problems.push_back("no trailer after the table");
    layout.trailer = bytes.substr(entry + 20);
    const size_t sizeAt = layout.trailer.find("/Size ");
    if (sizeAt != std::string::npos) layout.size = std::stoi(layout.trailer.substr(sizeAt + 6));
    for (const auto& [offset, number] : byOffset) layout.fileOrder.push_back(number);
    return layout;
}

}  // namespace folivo::test
