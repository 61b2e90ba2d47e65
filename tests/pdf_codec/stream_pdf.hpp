#pragma once
// A minimal one-page PDF written by hand that carries test streams, so outside decoders (qpdf,
// pikepdf, mutool) can judge encoded bytes before and apart from the writer.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kv::test {

struct CarriedStream {
    std::string filters;  // e.g. "/LZWDecode"; empty for none
    std::vector<uint8_t> data;
};

// Writes the file; stream i becomes object 4 + i, listed in the catalog under /KVStreams.
void WriteStreamPdf(const std::filesystem::path& file, const std::vector<CarriedStream>& streams);

// The decoded bytes of objects 4.. as pikepdf reads them (one file per stream in `dir`).
std::vector<std::vector<uint8_t>> DecodeWithPikepdf(const std::filesystem::path& pdf, size_t count,
                                                    const std::filesystem::path& dir);

// The decoded bytes of one object as mupdf reads them.
std::vector<uint8_t> DecodeWithMutool(const std::filesystem::path& pdf, int objectNumber);

}  // namespace kv::test
