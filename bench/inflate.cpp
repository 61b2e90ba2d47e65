// Inflate speed of our decoder against zlib's and libdeflate's on the same page-content-like
// stream, and reading a two-hundred-page file's structure with the import reader.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "pdf/codec/deflate.hpp"
#include "pdf/codec/inflate.hpp"
#include "pdf/reader/document.hpp"

namespace {

std::vector<uint8_t> ContentLike(size_t size) {
    std::vector<uint8_t> out;
    for (int line = 0; out.size() < size; ++line) {
        const std::string text = "BT /F1 10 Tf 20 " + std::to_string(line % 700) + " Td (ROSSI MARIO fattura " +
                                 std::to_string(line * 37 % 10000) + ") Tj ET\n";
        out.insert(out.end(), text.begin(), text.end());
    }
    out.resize(size);
    return out;
}

void BM_InflateOurs(benchmark::State& state) {
    const auto packed = folivo::codec::DeflateZlib(ContentLike(static_cast<size_t>(state.range(0))), 3);
    for (auto _ : state) benchmark::DoNotOptimize(folivo::codec::InflateZlib(packed));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_InflateZlib(benchmark::State& state) {
    const auto input = ContentLike(static_cast<size_t>(state.range(0)));
    const auto packed = folivo::codec::DeflateZlib(input, 3);
    std::vector<uint8_t> out(input.size());
    for (auto _ : state) {
        uLongf size = static_cast<uLongf>(out.size());
        uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size()));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_InflateLibdeflate(benchmark::State& state) {
    const auto input = ContentLike(static_cast<size_t>(state.range(0)));
    const auto packed = folivo::codec::DeflateZlib(input, 3);
    std::vector<uint8_t> out(input.size());
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    for (auto _ : state) {
        libdeflate_zlib_decompress(decompressor, packed.data(), packed.size(), out.data(), out.size(), nullptr);
        benchmark::DoNotOptimize(out.data());
    }
    libdeflate_free_decompressor(decompressor);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_ReadPageTree(benchmark::State& state) {
    std::string file = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    const int pages = 200;
    std::string kids;
    for (int i = 0; i < pages; ++i) kids += std::to_string(3 + i) + " 0 R ";
    auto add = [&](const std::string& body) {
        offsets.push_back(file.size());
        file += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    add("<< /Type /Catalog /Pages 2 0 R >>");
    add("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>");
    for (int i = 0; i < pages; ++i) add("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>");
    const size_t xref = file.size();
    file += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        std::string digits = std::to_string(offset);
        file += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    file += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
            std::to_string(xref) + "\n%%EOF\n";
    const std::vector<uint8_t> bytes(file.begin(), file.end());
    for (auto _ : state) {
        folivo::reader::Document doc(bytes);
        benchmark::DoNotOptimize(doc.Pages().size());
    }
}

BENCHMARK(BM_InflateOurs)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_InflateZlib)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_InflateLibdeflate)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_ReadPageTree);

}  // namespace

BENCHMARK_MAIN();
