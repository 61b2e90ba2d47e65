#pragma once
// Inputs every encoder is tried on: edge sizes, incompressible, repetitive, real text, content
// streams of report pages and one large input.

#include <cstdint>
#include <string>
#include <vector>

namespace kv::test {

struct SampleInput {
    std::string name;
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed);
std::vector<uint8_t> ReportContentStream(size_t minimumSize);
std::vector<uint8_t> RepositoryText();  // the sources of this suite, a few tens of kilobytes

// The small and medium inputs; the 10 MB one is separate so only some tests pay for it.
std::vector<SampleInput> SampleInputs();
std::vector<uint8_t> LargeInput();  // about 10 MB of mixed text and binary data

}  // namespace kv::test
