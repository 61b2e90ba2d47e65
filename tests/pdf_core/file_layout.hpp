#pragma once
// Reads the byte layout of a finished file: the cross-reference table and the trailer, checked
// line by line (every entry 20 bytes, every offset at the first digit of its object line).

#include <cstdint>
#include <string>
#include <vector>

namespace folivo::test {

struct FileLayout {
    std::vector<std::string> problems;  // empty when the layout is sound
    int32_t size = 0;                   // /Size of the trailer
    std::string trailer;                // from "trailer" to "%%EOF"
    std::vector<int32_t> fileOrder;     // object numbers in the order they appear in the file
};

FileLayout ReadLayout(const std::string& bytes);

}  // namespace folivo::test
